#include "editions/conconi_file.h"

#include <cmath>

#include "app/errors.h"
#include "files/line_reader.h"
#include "files/number_scanner.h"
#include "filesystem/regular_file.h"
#include "window/file_commands.h"

namespace kvx {

namespace {

// Metres per second in kilometres per hour.
constexpr double kmhPerMs = 3.6;

// The file's name without folder and extension: a graph from a file that
// names no athlete can still be told apart in the legend.
std::string nameOfFile(const std::string& path)
{
    const PathParts parts = splitPath(path);
    const std::size_t end = parts.hasExtension() ? parts.extension - 1 : path.size();
    return path.substr(parts.name, end - parts.name);
}

// The text between the first apostrophe and the next one; with no closing
// apostrophe the rest of the line, as the name was clearly begun.
std::string quotedLabel(std::string_view line)
{
    const std::size_t open = line.find('\'');
    if (open == std::string_view::npos) {
        return {};
    }
    std::string_view label = line.substr(open + 1);
    if (const std::size_t close = label.find('\''); close != std::string_view::npos) {
        return std::string(label.substr(0, close));
    }
    label.remove_suffix(label.size() - (label.find_last_not_of(" \t") + 1));
    return std::string(label);
}

class ConconiReader {
public:
    ConconiReader(LineReader& lines, const std::string& path, ConconiFile& file)
        : lines_(lines), path_(path), file_(file)
    {
    }

    void read();

private:
    enum Fault { Unconvertible, TooFewNumbers, StageTime, faultKinds };

    bool readStageLength(std::string_view line);
    void readStage(std::string_view line);
    // False, with the fault noted, when the number is not there or cannot
    // be converted.
    bool number(NumberScanner& scanner, double& value);
    void fault(Fault kind, unsigned code, std::string extra);
    std::string named() const { return "\n" + path_ + " !"; }
    std::string atLine() const { return "at line " + std::to_string(lines_.lineNumber()) + " in\n" + path_ + " !"; }

    LineReader& lines_;
    const std::string& path_;
    ConconiFile& file_;
    bool reported_[faultKinds] = {};
};

void ConconiReader::read()
{
    std::string_view line;
    if (!lines_.nextContent(line)) {
        file_.problems.push_back({ERR_NO_DATA, named()});
        return;
    }
    file_.label = quotedLabel(line);
    if (file_.label.empty()) {
        file_.label = nameOfFile(path_);
    }
    if (!lines_.nextContent(line) || !readStageLength(line)) {
        // Without it no velocity can be computed.
        file_.problems.push_back({ERR_MESSAGE, "No stage length above 0 m on the second line of" + named()});
        return;
    }
    while (lines_.nextContent(line)) {
        readStage(line);
    }
    if (file_.points.empty() && file_.problems.empty()) {
        file_.problems.push_back({ERR_NO_DATA, named()});
    }
}

bool ConconiReader::readStageLength(std::string_view line)
{
    // What is wrong with it is said by the one warning of the caller.
    NumberScanner scanner(line);
    double length = 0.0;
    if (scanner.nextReal(length) != NumberScanner::Result::Converted || !(length > 0.0)) {
        return false;
    }
    file_.stageLength = length;
    return true;
}

void ConconiReader::readStage(std::string_view line)
{
    NumberScanner scanner(line);
    double time = 0.0;
    double heartRate = 0.0;
    if (!number(scanner, time) || !number(scanner, heartRate)) {
        return;
    }
    // A very short time overflows the velocity as surely as 0 divides by it.
    const double velocity = file_.stageLength / time * kmhPerMs;
    if (!(time > 0.0) || !std::isfinite(velocity)) {
        fault(StageTime, ERR_DATA_INVALID, " (stage time) " + atLine());
        return;
    }
    file_.points.push_back({velocity, heartRate});
}

bool ConconiReader::number(NumberScanner& scanner, double& value)
{
    switch (scanner.nextReal(value)) {
    case NumberScanner::Result::Converted:
        return true;
    case NumberScanner::Result::Unconvertible:
        fault(Unconvertible, ERR_READING_DATA, path_);
        return false;
    case NumberScanner::Result::Missing:
        fault(TooFewNumbers, ERR_READING_DATA, atLine());
        return false;
    }
    return false;
}

void ConconiReader::fault(Fault kind, unsigned code, std::string extra)
{
    if (!reported_[kind]) {
        reported_[kind] = true;
        file_.problems.push_back({code, std::move(extra)});
    }
}

}  // namespace

ConconiFile readConconiFile(const std::string& path)
{
    ConconiFile file;
    std::string reason;
    // Only a regular file: a FIFO would wait for a writer forever.
    const CFile input = openRegularFile(path, &reason);
    if (!input) {
        file.problems.push_back({ERR_CANT_OPEN, "\n" + path + " !\n" + reason});
        return file;
    }
    file.opened = true;
    LineReader lines(input.get());
    ConconiReader(lines, path, file).read();
    return file;
}

ConconiFile readConconiText(std::string_view text, const std::string& path)
{
    ConconiFile file;
    file.opened = true;
    LineReader lines(text);
    ConconiReader(lines, path, file).read();
    return file;
}

}  // namespace kvx
