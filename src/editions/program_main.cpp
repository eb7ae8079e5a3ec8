#include "editions/program_main.h"

#include <cstdio>
#include <string>

#include "editions/application.h"
#include "editions/program_options.h"
#include "platform/qt/qt_application.h"

namespace kvx {

int runProgram(std::string_view program, int argc, char** argv)
{
    const ProgramOptions options = parseProgramOptions(argc, argv);
    const std::string name(program);
    if (!options.error.empty()) {
        std::fprintf(stderr, "%s: %s\n%s", name.c_str(), options.error.c_str(),
                     usageText(program).c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(usageText(program).c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("%s %.*s\n", name.c_str(), static_cast<int>(kurvexVersion.size()),
                    kurvexVersion.data());
        return 0;
    }
    QtApplication application(argc, argv, false);
    initApplication();
    // The plot windows and the message loop join here once the window
    // subsystem exists; until then a program starts, prepares its defaults
    // and ends.
    return 0;
}

}  // namespace kvx
