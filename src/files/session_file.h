#pragma once
// The session file ("ses"): how many plot windows a session has, the base
// name of each window's plot and data files (beside the session file) and
// the order in which the windows last had the focus.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/session_list.h"
#include "model/framed_plot.h"

namespace kvx {

class BaseWindow;

// The most windows a session file opens: as many as the session list holds.
// A file that names more opens the first ones.
constexpr int16_t maxSessionPlots = SessionList::maxWindows;

// What a session file names: per window position (0-based index =
// position - 1) the full base path of its plot file (the session file's
// folder + plotFile, no extension), or nullopt when [Plot<k>] has no
// plotFile or names a file outside the session's folder; and the focus
// list as written.
struct SessionContents {
    std::vector<std::optional<std::string>> plotFiles;  // size numPlots, at most maxSessionPlots
    std::vector<int> focus;
    std::vector<std::string> outsideFolder;  // the plotFile texts refused for leaving the folder
    int requested = 0;  // the number of windows the file asks for (numPlots, at least 0)
};

// Reads the session file. nullopt when it cannot be opened (no message) or
// numPlots is missing (a warning). A negative numPlots counts as 0.
std::optional<SessionContents> readSessionFile(const std::string& fileName);

// The focus list of a plotFocus text: from its first digit to its last,
// numbers read as data-file numbers (separators blank, tab, "," and ";";
// other characters skipped), each truncated to an integer. "[ 2, 1 ]" gives
// 2, 1; a text without digits gives none. A number without digits (a lone
// "-") is left out with a warning.
std::vector<int> parseFocusList(std::string_view text);

// The base names under which the windows' files are saved, one per window
// in the order given: "Kurvex<plotNumber>" for the default title "Kurvex",
// the title otherwise. Every name is a plain file name that the open
// dispatcher reads back as given: no "/", control character or "."; an
// empty name becomes "Kurvex<plotNumber>", and a name that an earlier
// window has already taken gets "-2", "-3", ... appended.
std::vector<std::string> sessionBaseNames(const std::vector<const BaseWindow*>& plots);

// Asked before a save replaces plot or data files that the session file
// being replaced does not name (every existing one when there is no session
// file yet), with their paths: true lets the save replace them.
using ReplaceQuestion = std::function<bool(const std::vector<std::string>& files)>;

// The plot windows a session saves, in the order of the session list, and the
// order in which they last had the focus as the list gives it ("[2 3 1]").
struct SessionPlots {
    std::vector<FramedPlot> plots;
    std::string focusOrder;
};

// Saves every window of `session`: each window's data and plot file
// (base name + ".dat", ".plt" in the session file's folder) and the session
// file itself, all replaced together once every one is complete, while no
// other save writes into the folder (another one is waited for a few
// seconds). True when everything was written. Otherwise no file has changed,
// and `failedPath` and `reason` (when given) name the file and why: the
// system's error text; a name from a title that is a link out of the folder,
// one that leads nowhere, or something other than a regular file; another
// save under way; or files of others that `mayReplace` (none: no) refused.
bool writeSession(const SessionPlots& session, const std::string& fileName, std::string* failedPath = nullptr,
                  std::string* reason = nullptr, const ReplaceQuestion& mayReplace = {});

}  // namespace kvx
