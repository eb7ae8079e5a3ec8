#include "editions/program_main.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/errors.h"
#include "app/run_state.h"
#include "app/window_keeper.h"
#include "editions/application.h"
#include "editions/batch_export.h"
#include "editions/batch_print.h"
#include "editions/opened_windows.h"
#include "editions/plot_handle.h"
#include "editions/program_options.h"
#include "model/app_context.h"
#include "platform/desktop.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/qt_desktop.h"
#include "window/data_following.h"

namespace kvx {

namespace {

// The figure --size and --dpi ask for.
FigureSize figureSizeOf(const ProgramOptions& options)
{
    return {options.width, options.height, options.widthMm, options.heightMm,
            options.dpi > 0 ? options.dpi : FigureSize::screenDpi};
}

// The window --size asks for: a size on paper at 96 pixels an inch.
FigureSize windowSizeOf(const ProgramOptions& options)
{
    if (options.widthMm > 0.0) {
        return paperFigureSize(options.widthMm, options.heightMm, FigureSize::screenDpi, PictureFormat::Pdf);
    }
    return {options.width, options.height};
}

// Exit codes of batch mode (see usageText).
constexpr int exitFailed = 1;
constexpr int exitUsage = 2;
constexpr int exitTerminated = 3;

void complain(const std::string& name, const std::string& message)
{
    std::fprintf(stderr, "%s: %s\n", name.c_str(), message.c_str());
}

// Every input is checked before any is read, so that OUT is written only
// from all of them.
bool inputsOpen(const ProgramOptions& options, const std::string& name)
{
    bool inputsOk = true;
    for (const std::string& file : options.files) {
        if (const std::string problem = batchInputProblem(file); !problem.empty()) {
            complain(name, problem);
            inputsOk = false;
        }
    }
    return inputsOk;
}

int runBatch(const ProgramOptions& options, const std::string& name)
{
    if (!inputsOpen(options, name)) {
        return exitFailed;
    }
    const OpenedWindows opened;
    PlotHandle handle("Kurvex");
    const CommandLineReading reading = openCommandLineFiles(handle.plot(), options.files, options.fileReadModes);
    // A file that went away since the check.
    for (const std::string& file : reading.unopened) {
        const std::string problem = batchInputProblem(file);
        complain(name, problem.empty() ? "cannot open " + file : problem);
    }
    // A file that gave nothing leaves OUT unwritten, as one that cannot be opened.
    for (const std::string& file : reading.shortfall.refusedData) {
        complain(name, refusedDataHint(file));
    }
    if (!reading.unopened.empty() || !reading.shortfall.refusedData.empty()) {
        return exitFailed;
    }
    // What a session or the command line left out is named, and OUT is
    // written from the rest; the exit code tells that it is not all.
    for (const std::string& problem : reading.shortfall.unreadPlots) {
        complain(name, problem);
    }
    const ExportResult result =
        options.printPath.empty()
            ? exportPlot(handle.plot(), options.exportPath, figureSizeOf(options), options.overwrite)
            : printToPdf(handle.plot(), options.printPath, windowSizeOf(options).width, windowSizeOf(options).height);
    if (!result.ok) {
        complain(name, result.error);
        return exitFailed;
    }
    return reading.shortfall.empty() ? 0 : exitFailed;
}

}  // namespace

int runGeneralEdition(const ProgramOptions& options)
{
    const OpenedWindows opened;
    PlotHandle handle("Kurvex");
    handle.show();
    openCommandLineFiles(handle.plot(), options.files, options.fileReadModes);
    if (options.follow) {
        setFollowing(handle.plot(), true);
    }
    return Desktop::current().runMessageLoop();
}

int runProgram(std::string_view program, int argc, char** argv, EditionStartUp startUp)
{
    const ProgramOptions options = parseProgramOptions(argc, argv);
    const std::string name(program);
    if (!options.error.empty()) {
        std::fprintf(stderr, "%s: %s\n%s", name.c_str(), options.error.c_str(), usageText(program).c_str());
        return exitUsage;
    }
    if (options.help) {
        std::fputs(usageText(program).c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("%s %.*s\n", name.c_str(), static_cast<int>(kurvexVersion.size()), kurvexVersion.data());
        return 0;
    }
    const bool batch = !options.exportPath.empty() || !options.printPath.empty();
    if (const std::string problem = options.exportPath.empty() ? std::string() : exportPathProblem(options.exportPath);
        !problem.empty()) {
        // Said before any input is read, which may take long.
        complain(name, problem);
        return exitUsage;
    }
    if (batch) {
        // The interactive programs end with 0 after the user has read the
        // box; a script has only the exit code.
        setTerminationExitCode(exitTerminated);
    }
    if (const std::string problem = batch ? std::string() : QtApplication::displayProblem(); !problem.empty()) {
        complain(name, problem);
        return exitFailed;
    }
    QtApplication application(argc, argv, batch);
    AppContext context(application.desktop());
    initApplication();
    return batch ? runBatch(options, name) : startUp(options);
}

}  // namespace kvx
