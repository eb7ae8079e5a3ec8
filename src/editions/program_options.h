#pragma once
// The options every program understands before its own start-up runs.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvx {

struct ProgramOptions {
    bool help = false;
    bool version = false;
    bool follow = false;     // follow the data files the command line opens
    bool overwrite = false;  // a session export may replace files of other sessions
    std::string exportPath;  // batch mode: write the first window here
    std::string printPath;   // batch mode: print the first window into this PDF file
    int width = 0;           // --size WxH; 0: the window's default size
    int height = 0;
    double widthMm = 0.0;    // --size WxHmm or WxHin; 0: not on paper
    double heightMm = 0.0;
    int dpi = 0;             // --dpi N, a PNG's pixels per inch; 0: 96
    std::vector<std::string> files;  // everything that is not an option
    // Per file, the mode of the last --read-mode before it; 0 where none was.
    std::vector<int16_t> fileReadModes;
    std::string error;               // set when an option is wrong
};

ProgramOptions parseProgramOptions(int argc, const char* const* argv);

// The text of --help for a program.
std::string usageText(std::string_view program);

}  // namespace kvx
