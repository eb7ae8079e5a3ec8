#pragma once
// A Conconi test file read into heart rates against velocities: the
// athlete's name between apostrophes, the length of one stage in metres,
// then per stage its time in seconds and the heart rate at its end.

#include <string>
#include <string_view>
#include <vector>

namespace kvx {

struct ConconiPoint {
    double velocity;   // km/h
    double heartRate;  // 1/min
};

// A warning of the error table: its code and the text that follows the
// code's prefix.
struct FileProblem {
    unsigned code;
    std::string extra;
};

struct ConconiFile {
    bool opened = false;
    // The quoted name, else the file's name without folder and extension.
    std::string label;
    double stageLength = 0.0;  // 0 when the file gives none above 0
    // Finite points only: stages without a usable time or heart rate are
    // left out and named among the problems.
    std::vector<ConconiPoint> points;
    // In the order found, each kind once, so that a faulty file does not
    // hold the user in front of a box per line. A file that gives no point
    // always has one.
    std::vector<FileProblem> problems;
};

ConconiFile readConconiFile(const std::string& path);
// The same for a file's text in memory; `path` names it in the problems.
ConconiFile readConconiText(std::string_view text, const std::string& path);

}  // namespace kvx
