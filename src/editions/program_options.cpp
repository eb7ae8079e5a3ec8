#include "editions/program_options.h"

#include "render/figure_output.h"

#include "settings/keywords.h"
#include "settings/setting_bounds.h"

namespace kvx {

namespace {

// "page.pdf", in any case of the extension.
bool printPathIsPdf(std::string_view path)
{
    if (path.size() <= 4 || path[path.size() - 5] == '/') {
        return false;  // a name before the extension
    }
    const std::string_view extension = path.substr(path.size() - 4);
    return extension[0] == '.' && (extension[1] | 0x20) == 'p' && (extension[2] | 0x20) == 'd' &&
           (extension[3] | 0x20) == 'f';
}

// A read mode by its keyword, in capitals as the settings write it.
bool parseReadMode(std::string_view text, int16_t& mode)
{
    int16_t value = 0;
    if (!keywordToValue(text, value) || value < XYY || value > COLUMNS) {
        return false;
    }
    mode = value;
    return true;
}

}  // namespace

ProgramOptions parseProgramOptions(int argc, const char* const* argv)
{
    ProgramOptions options;
    bool onlyFiles = false;
    int16_t readMode = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (onlyFiles || arg.empty() || arg[0] != '-' || arg == "-") {
            options.files.emplace_back(arg);
            options.fileReadModes.push_back(readMode);
        } else if (arg == "--") {
            onlyFiles = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--follow") {
            options.follow = true;
        } else if (arg == "--overwrite") {
            options.overwrite = true;
        } else if (arg == "--read-mode") {
            const std::string_view value = i + 1 < argc ? std::string_view(argv[++i]) : std::string_view();
            if (!parseReadMode(value, readMode) && options.error.empty()) {
                options.error = "--read-mode takes XYY, XYXY, XYAYA, XYAXYA, YY or COLUMNS, not \"" +
                                std::string(value) + "\"";
            }
        } else if (arg == "--export" || arg == "--print-to" || arg == "--size" || arg == "--dpi") {
            if (i + 1 >= argc) {
                if (options.error.empty()) options.error = std::string(arg) + " needs a value";
                continue;
            }
            const std::string_view value = argv[++i];
            if (arg == "--export") {
                // An empty name would fall back on the interactive program,
                // and a second one would drop the first in silence.
                if (options.error.empty() && value.empty()) {
                    options.error = "--export needs a file name";
                } else if (options.error.empty() && !options.exportPath.empty()) {
                    options.error = "--export may be given only once";
                }
                options.exportPath.assign(value);
            } else if (arg == "--print-to") {
                if (options.error.empty() && !printPathIsPdf(value)) {
                    options.error = "--print-to needs a file name ending in .pdf";
                } else if (options.error.empty() && !options.printPath.empty()) {
                    options.error = "--print-to may be given only once";
                }
                options.printPath.assign(value);
            } else if (arg == "--dpi") {
                if (!parseFigureDpi(value, options.dpi) && options.error.empty()) {
                    options.error = "--dpi takes pixels per inch from 10 to 2400, such as 300, not " + std::string(value);
                }
            } else if (FigureSize size; parseFigureSize(value, size)) {
                options.width = size.width;
                options.height = size.height;
                options.widthMm = size.widthMm;
                options.heightMm = size.heightMm;
            } else if (options.error.empty()) {
                options.error = "--size takes WIDTHxHEIGHT in pixels, millimetres or inches, such as 800x600, "
                                "90x60mm or 3.5x2.5in, not " + std::string(value);
            }
        } else if (options.error.empty()) {
            options.error = "unknown option " + std::string(arg);
        }
    }
    if (options.error.empty() && !options.exportPath.empty() && !options.printPath.empty()) {
        options.error = "--export and --print-to cannot be given together";
    }
    return options;
}

namespace {

// What each program does when it shows its windows.
std::string windowsText(std::string_view program)
{
    if (program == "kurvex-conconi") {
        return "Shows heart rate against velocity of Conconi test files: asks for\n"
               "one in a file dialog (Graphs > Data File opens or adds more).\n"
               "Files named on the command line are not opened.\n";
    }
    if (program == "kurvex-samples") {
        return "Draws two sample oscillations point by point while the windows answer.\n"
               "Files named on the command line are not opened.\n";
    }
    return "  FILES        data (.dat .txt .csv .asc), plot (.plt) or session (.ses) files;\n"
           "               the first is opened, the others are added\n"
           "  --follow     keep reading what the data files append while they\n"
           "               grow (Extras > Follow Data Files)\n"
           "  --read-mode MODE\n"
           "               read the data files after it in MODE: XYY, XYXY, XYAYA,\n"
           "               XYAXYA, YY, or COLUMNS for tables with a title line,\n"
           "               gaps and time stamps (.csv and .tsv files are read so\n"
           "               while the mode is XYY)\n";
}

}  // namespace

std::string usageText(std::string_view program)
{
    const bool general = program != "kurvex-conconi" && program != "kurvex-samples";
    std::string text = "Usage: ";
    text += program;
    text += general ? " [OPTIONS] [FILES...]\n" : "\n       " + std::string(program) + " --export OUT [--size WxH] FILES...\n";
    text += windowsText(program);
    if (!general) {
        text += "With --export or --print-to it reads FILES as kurvex does:\n"
                "  FILES        data (.dat .txt .csv .asc), plot (.plt) or session (.ses)\n"
                "               files; the first is opened, the others are added\n";
    }
    text += "  --export OUT write the first window to OUT instead of showing it:\n"
            "               .png .svg .pdf .emf the picture, .dat its data, .plt its\n"
            "               plot file with OUT's .dat beside it; .ses writes the\n"
            "               session file and every window's plot and data files\n"
            "               into OUT's folder\n"
            "  --overwrite  let --export OUT.ses replace plot and data files in OUT's\n"
            "               folder that the session file OUT.ses does not name\n"
            "               (without it such a session is not written)\n"
            "  --print-to OUT.pdf\n"
            "               print the first window as on the default printer, onto\n"
            "               an A4 page of the PDF file OUT.pdf instead\n"
            "  --size WxH   the picture's size in pixels (with --export), the\n"
            "               window's client size (with --print-to); WxHmm or\n"
            "               WxHin give it on paper (90x60mm, 3.5x2.5in), where\n"
            "               text keeps its size in points\n"
            "  --dpi N      a PNG's pixels per inch (default 96): lines and text\n"
            "               grow with it, and the file records it\n"
            "  --help       this text\n"
            "  --version    the version\n"
            "Exit status with --export or --print-to: 0 written; 1 OUT or a FILE\n"
            "could not be written or read (OUT is then not written); 2 wrong\n"
            "options; 3 a terminating error.\n";
    return text;
}

}  // namespace kvx
