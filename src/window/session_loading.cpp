#include "window/session_loading.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "app/session_list.h"
#include "files/session_file.h"
#include "window/file_commands.h"
#include "window/user_messages.h"

namespace kvx {

namespace {

// The session's windows by position, 1-based: `first` and as many new ones
// as the session list still takes.
class SessionWindows {
public:
    SessionWindows(Plot& first, int wanted)
    {
        if (wanted < 1) {
            return;
        }
        first.show();
        plots_.push_back({first.plotNumber(), &first});
        while (static_cast<int>(plots_.size()) < wanted && sessionList().count() < SessionList::maxWindows) {
            Plot& next = plots_.back().plot->newPlot();
            next.show();
            plots_.push_back({next.plotNumber(), &next});
        }
    }

    int count() const { return static_cast<int>(plots_.size()); }
    // The window at `position`, unless it has been closed meanwhile.
    Plot* at(int position) const
    {
        if (position < 1 || position > count()) {
            return nullptr;
        }
        const Entry& e = plots_[static_cast<std::size_t>(position - 1)];
        return sessionList().windowOf(e.number) == e.plot ? e.plot : nullptr;
    }

private:
    struct Entry {
        int16_t number;
        Plot* plot;
    };
    std::vector<Entry> plots_;
};

void loadWindow(const SessionWindows& windows, const SessionContents& contents, int position,
                ReadShortfall& shortfall)
{
    Plot* plot = windows.at(position);
    if (!plot) {
        return;
    }
    const std::optional<std::string>& base = contents.plotFiles[static_cast<std::size_t>(position - 1)];
    if (base) {
        // With its extension, so that a dot in the name is not taken for one.
        const std::string name = *base + ".plt";
        if (!openFile(*plot, name, FILE_OPEN + FILE_PLOT)) {
            const std::string problem = plotFileProblem(name);
            shortfall.unreadPlots.push_back(problem.empty() ? "cannot read " + name : problem);
        }
        plot->bringToFront();
    }
}

}  // namespace

bool readSession(Plot& plot, const std::string& fileName, ReadShortfall* shortfall)
{
    const std::optional<SessionContents> contents = readSessionFile(fileName);
    if (!contents) {
        return false;
    }
    ReadShortfall unused;
    ReadShortfall& left = shortfall ? *shortfall : unused;
    for (const std::string& outside : contents->outsideFolder) {
        left.unreadPlots.push_back("cannot open " + outside + ".plt: outside the folder of " + fileName);
    }
    const int wanted = contents->requested;
    const SessionWindows windows(plot, static_cast<int>(contents->plotFiles.size()));
    if (windows.count() < wanted) {
        warnUser(plot, "The session asks for " + std::to_string(wanted) + " windows; the " +
                           std::to_string(windows.count()) + " that fit beside the open ones are opened.");
        left.windowsLeftOut += wanted - windows.count();
    }
    const std::vector<int>& focus = contents->focus;
    // Windows that never had the focus first, in order; then the focus list
    // from its end, so that the window focused last is loaded last.
    for (int k = 1; k <= windows.count(); ++k) {
        if (std::find(focus.begin(), focus.end(), k) == focus.end()) {
            loadWindow(windows, *contents, k, left);
        }
    }
    for (auto k = focus.rbegin(); k != focus.rend(); ++k) {
        loadWindow(windows, *contents, *k, left);
    }
    return true;
}

}  // namespace kvx
