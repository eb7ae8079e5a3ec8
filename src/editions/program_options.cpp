#include "editions/program_options.h"

namespace kvx {

ProgramOptions parseProgramOptions(int argc, const char* const* argv)
{
    ProgramOptions options;
    bool onlyFiles = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (onlyFiles || arg.empty() || arg[0] != '-' || arg == "-") {
            options.files.emplace_back(arg);
        } else if (arg == "--") {
            onlyFiles = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (options.error.empty()) {
            options.error = "unknown option " + std::string(arg);
        }
    }
    return options;
}

std::string usageText(std::string_view program)
{
    std::string text = "Usage: ";
    text += program;
    text += " [FILES...]\n"
            "  FILES        data (.dat .txt .csv .asc), plot (.plt) or session (.ses) files;\n"
            "               the first is opened, the others are added\n"
            "  --help       this text\n"
            "  --version    the version\n";
    return text;
}

}  // namespace kvx
