#include "editions/program_main.h"

#include <cstdio>
#include <string>

#include "app/run_state.h"
#include "app/window_keeper.h"
#include "editions/application.h"
#include "editions/batch_export.h"
#include "editions/plot_handle.h"
#include "editions/program_options.h"
#include "platform/desktop.h"
#include "platform/qt/qt_application.h"

namespace kvx {

namespace {

int runBatch(const ProgramOptions& options, const std::string& name)
{
    PlotHandle handle("Kurvex");
    openCommandLineFiles(handle.plot(), options.files);
    const ExportResult result = exportPlot(handle.plot(), options.exportPath, options.width, options.height);
    if (!result.ok) {
        std::fprintf(stderr, "%s: %s\n", name.c_str(), result.error.c_str());
        return 1;
    }
    return 0;
}

int runWindows(const ProgramOptions& options)
{
    int code = 0;
    {
        PlotHandle handle("Kurvex");
        handle.show();
        openCommandLineFiles(handle.plot(), options.files);
        code = Desktop::current().runMessageLoop();
        // Windows opened later go before the toolkit does.
        releaseAllWindows();
    }
    return code;
}

}  // namespace

int runProgram(std::string_view program, int argc, char** argv)
{
    const ProgramOptions options = parseProgramOptions(argc, argv);
    const std::string name(program);
    if (!options.error.empty()) {
        std::fprintf(stderr, "%s: %s\n%s", name.c_str(), options.error.c_str(), usageText(program).c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(usageText(program).c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("%s %.*s\n", name.c_str(), static_cast<int>(kurvexVersion.size()), kurvexVersion.data());
        return 0;
    }
    const bool batch = !options.exportPath.empty();
    QtApplication application(argc, argv, batch);
    initApplication();
    return batch ? runBatch(options, name) : runWindows(options);
}

}  // namespace kvx
