#include "files/session_file.h"

#include <algorithm>
#include <limits>
#include <set>

#include "app/errors.h"
#include "files/data_file_writer.h"
#include "files/number_scanner.h"
#include "files/plot_file.h"
#include "files/required_key.h"
#include "model/framed_plot.h"
#include "platform/ascii_case.h"
#include "filesystem/folder_lock.h"
#include "filesystem/replacing_file_group.h"
#include "filesystem/save_target.h"
#include "platform/utf8_text.h"
#include "settings/profile.h"

namespace kvx {

namespace {

constexpr std::string_view sessionSection = "Session";
constexpr std::string_view numPlotsKey = "numPlots";
constexpr std::string_view plotFocusKey = "plotFocus";
constexpr std::string_view plotFileKey = "plotFile";
constexpr std::string_view defaultTitle = "Kurvex";
// Room for the "-<n>" of a repeated name, the extension and the temporary
// name of a file being replaced within the system's 255 bytes of a name.
constexpr std::size_t maxBaseNameLength = 200;

std::string plotSection(int position)
{
    return "Plot" + std::to_string(position);
}

// A plotFile names a file in the session's folder or below it; a path that
// leaves it (absolute, or through "..") is not followed.
bool staysInFolder(std::string_view name)
{
    if (name.empty() || name.front() == '/') {
        return false;
    }
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t slash = std::min(name.find('/', start), name.size());
        if (name.substr(start, slash - start) == "..") {
            return false;
        }
        start = slash + 1;
    }
    return true;
}

int truncatedToInt(double value)
{
    constexpr double low = std::numeric_limits<int>::min();
    constexpr double high = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(value, low, high));
}

// A title as a plain file name: a "/" would reach into another folder, a
// control character breaks the line it is stored in, and a "." would be
// cut as the extension when the session is read (and a leading one hides
// the file, ".." leaves the folder).
std::string safeName(std::string_view title, int16_t plotNumber)
{
    std::string name(cutAtCharacter(title, maxBaseNameLength));
    for (char& c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '/' || c == '.' || u < 0x20 || u == 0x7F) {
            c = '_';
        }
    }
    if (name.empty()) {
        name = std::string(defaultTitle) + std::to_string(plotNumber);
    }
    // The one value that reads back as a key that is not there.
    if (name == Profile::absentMarker) {
        name += '_';
    }
    return name;
}

std::string sessionSkeleton(int numPlots)
{
    std::string text = "[Session]";
    for (int k = 1; k <= numPlots; ++k) {
        text += "\n[" + plotSection(k) + "]";
    }
    return text;
}

bool failed(const std::string& path, const std::string& why, std::string* failedPath,
            std::string* reason)
{
    if (failedPath) {
        *failedPath = path;
    }
    if (reason) {
        *reason = why;
    }
    return false;
}

}  // namespace

std::vector<int> parseFocusList(std::string_view text)
{
    std::vector<int> focus;
    const std::size_t first = text.find_first_of("0123456789");
    if (first == std::string_view::npos) {
        return focus;
    }
    const std::size_t last = text.find_last_of("0123456789");
    NumberScanner scanner(text.substr(first, last - first + 1));
    for (;;) {
        double value = 0.0;
        const NumberScanner::Result result = scanner.nextReal(value);
        if (result == NumberScanner::Result::Missing) {
            break;
        }
        if (result == NumberScanner::Result::Blank) {
            reportError(ERR_READING_DATA, "parsing Vector", true);
            continue;
        }
        focus.push_back(truncatedToInt(value));
    }
    return focus;
}

namespace {

// The windows a session file names, without their focus; a file without
// numPlots gives nothing, with a warning when `warn`.
std::optional<SessionContents> readPlotFiles(Profile& in, const std::string& fileName, bool warn)
{
    if (!in.readable()) {
        return std::nullopt;
    }
    int16_t numPlots = 0;
    if (!in.readShort(sessionSection, numPlotsKey, numPlots)) {
        if (warn) {
            reportError(ERR_MESSAGE, requiredKeyMissing(sessionSection, numPlotsKey, fileName), true);
        }
        return std::nullopt;
    }
    SessionContents contents;
    const std::string folder = folderOfPath(fileName);
    contents.requested = std::max<int>(numPlots, 0);
    const int count = std::min<int>(contents.requested, maxSessionPlots);
    for (int k = 1; k <= count; ++k) {
        std::string plotFile;
        const bool named = in.readText(plotSection(k), plotFileKey, plotFile) && !plotFile.empty();
        if (named && staysInFolder(plotFile)) {
            // A hand-written name may carry the extension that the reader adds.
            if (plotFile.size() > 4 && equalNoCase(std::string_view(plotFile).substr(plotFile.size() - 4), ".plt")) {
                plotFile.resize(plotFile.size() - 4);
            }
            contents.plotFiles.emplace_back(folder + plotFile);
            continue;
        }
        if (named) {
            contents.outsideFolder.push_back(plotFile);
        }
        contents.plotFiles.emplace_back(std::nullopt);
    }
    return contents;
}

}  // namespace

std::optional<SessionContents> readSessionFile(const std::string& fileName)
{
    Profile in(fileName, true);
    std::optional<SessionContents> contents = readPlotFiles(in, fileName, true);
    if (contents) {
        std::string focus = "[]";
        in.readText(sessionSection, plotFocusKey, focus);
        contents->focus = parseFocusList(focus);
    }
    return contents;
}

std::vector<std::string> sessionBaseNames(const std::vector<const BaseWindow*>& plots)
{
    std::vector<std::string> names;
    std::set<std::string> taken;
    for (const BaseWindow* plot : plots) {
        const std::string& title = plot->windowTitle();
        const std::string name = title == defaultTitle
                                     ? std::string(defaultTitle) + std::to_string(plot->plotNumber())
                                     : safeName(title, plot->plotNumber());
        std::string unique = name;
        for (int n = 2; taken.count(unique) > 0; ++n) {
            unique = name + "-" + std::to_string(n);
        }
        taken.insert(unique);
        names.push_back(std::move(unique));
    }
    return names;
}

namespace {

// The plot and data files of every window, in the session's folder, in the
// order of the windows: data file, then plot file.
std::vector<std::string> sessionTargets(const std::string& folder, const std::vector<std::string>& names)
{
    std::vector<std::string> targets;
    for (const std::string& name : names) {
        targets.push_back(folder + name + ".dat");
        targets.push_back(folder + name + ".plt");
    }
    return targets;
}

// The targets that exist although the session file being replaced does not
// name them: files of another session, or of none.
std::vector<std::string> filesOfOthers(const std::string& fileName, const std::vector<std::string>& targets)
{
    std::set<std::string> named;
    Profile in(fileName, true);
    if (const std::optional<SessionContents> old = readPlotFiles(in, fileName, false)) {
        for (const std::optional<std::string>& base : old->plotFiles) {
            if (base) {
                named.insert(*base + ".dat");
                named.insert(*base + ".plt");
            }
        }
    }
    std::vector<std::string> others;
    for (const std::string& target : targets) {
        if (named.count(target) == 0 && somethingAt(target)) {
            others.push_back(target);
        }
    }
    return others;
}

void writeSessionText(ReplacingFile& file, const std::vector<std::string>& names, const std::string& focusOrder)
{
    Profile out(file.target(), false);
    out.startFrom(sessionSkeleton(static_cast<int>(names.size())));
    out.writeShort(sessionSection, numPlotsKey, static_cast<int16_t>(names.size()));
    for (std::size_t k = 0; k < names.size(); ++k) {
        out.writeQuotedText(plotSection(static_cast<int>(k + 1)), plotFileKey, names[k]);
    }
    out.writeText(sessionSection, plotFocusKey, focusOrder);
    out.writeTo(file);
    file.finishWriting();
}

// Every file of the session, replaced together: the session file, which
// names the others, is written first and put in place last.
bool writeSessionFiles(const std::string& fileName, const SessionPlots& session,
                       const std::vector<std::string>& names, const std::vector<std::string>& targets,
                       std::string* failedPath, std::string* reason)
{
    const std::vector<FramedPlot>& plots = session.plots;
    ReplacingFileGroup group;
    writeSessionText(group.add(fileName), names, session.focusOrder);
    for (std::size_t k = 0; k < plots.size() && !group.failed(); ++k) {
        ReplacingFile& data = group.add(targets[2 * k]);
        writeData(plots[k].model, data);
        data.finishWriting();
        ReplacingFile& plot = group.add(targets[2 * k + 1]);
        writePlotFile(plots[k], plot);
        plot.finishWriting();
    }
    if (group.commit()) {
        return true;
    }
    return failed(group.failure()->target(), group.failure()->error(), failedPath, reason);
}

}  // namespace

bool writeSession(const SessionPlots& session, const std::string& fileName, std::string* failedPath,
                  std::string* reason, const ReplaceQuestion& mayReplace)
{
    const std::string folder = folderOfPath(fileName);
    const FolderLock lock(folder, FolderLock::savePatience);
    if (!lock.obtained()) {
        return failed(fileName, lock.problem(), failedPath, reason);
    }
    std::vector<const BaseWindow*> frames;
    for (const FramedPlot& plot : session.plots) {
        frames.push_back(&plot.frame);
    }
    const std::vector<std::string> names = sessionBaseNames(frames);
    const std::vector<std::string> targets = sessionTargets(folder, names);
    // The names come from the windows' titles, which plot files set: they
    // lead nowhere but into the folder the user chose.
    for (const std::string& target : targets) {
        if (const std::string problem = madeUpTargetProblem(target, folder); !problem.empty()) {
            return failed(target, problem, failedPath, reason);
        }
    }
    const std::vector<std::string> others = filesOfOthers(fileName, targets);
    if (!others.empty() && !(mayReplace && mayReplace(others))) {
        return failed(fileName, "it would replace files that the session does not name", failedPath, reason);
    }
    return writeSessionFiles(fileName, session, names, targets, failedPath, reason);
}

}  // namespace kvx
