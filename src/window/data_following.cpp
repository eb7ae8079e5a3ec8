#include "window/data_following.h"

#include <string>
#include <utility>
#include <vector>

#include "files/data_follower.h"
#include "platform/desktop.h"
#include "render/graph_drawer.h"
#include "scaling/auto_range.h"

namespace kvx {

namespace {

using Outcome = DataFollower::Outcome;

// Whether the outcome ends the following of its file.
bool endsFollowing(Outcome outcome)
{
    return outcome == Outcome::LineTooLong || outcome == Outcome::OutOfMemory;
}

// What the status line says of an update of a followed file, if anything.
std::string newsOf(Outcome outcome, bool wasGone, const std::string& path)
{
    // The part is narrow: the name without its folder, and first where the
    // note is long.
    const std::string name = path.substr(path.rfind('/') + 1);
    switch (outcome) {
    case Outcome::LineTooLong: return name + ": line too long, not followed";
    case Outcome::OutOfMemory: return name + ": no memory, not followed";
    case Outcome::Gone: return wasGone ? "" : "File gone: " + name;
    default: return wasGone ? "File back: " + name : "";
    }
}

// The followers of one plot's files and the watch that wakes them.
class DataFollowing : public FileCompanion {
public:
    explicit DataFollowing(Plot& plot) : plot_(plot)
    {
        for (const ReadDataFile& file : plot.files().dataFiles) {
            followers_.emplace_back(file);
        }
        // The watch goes before the plot: the plot owns this object.
        watch_ = Desktop::current().watchFiles([&plot] { updateFollowing(plot); });
        watchPaths();
    }

    void update();

private:
    // What the looks of one update found.
    struct Looks {
        bool changed = false;
        bool restarted = false;
        bool more = false;  // a file holds more than was read
        std::string news;   // for the status line
    };

    void watchPaths();
    // Looks at each file once.
    void lookOnce(Looks& looks);
    // Shows the new points: a new picture when the range follows the data
    // or graphs were read again, else only what the new points add.
    void show(const std::vector<int32_t>& before, bool whole);
    // Says in the status line what became of a followed file.
    void note(const std::string& text);

    Plot& plot_;
    std::vector<DataFollower> followers_;
    std::unique_ptr<FileWatch> watch_;
    bool updating_ = false;
};

void DataFollowing::watchPaths()
{
    if (!watch_) {
        return;
    }
    std::vector<std::string> paths;
    for (const DataFollower& f : followers_) {
        paths.push_back(f.path());
    }
    watch_->setPaths(paths);
}

void DataFollowing::update()
{
    // A read under way (a warning box of its own shows) or a paint: the
    // next notification or the timer comes back.
    if (updating_ || plot_.isBusy()) {
        return;
    }
    updating_ = true;
    std::vector<int32_t> before;
    for (const Graph& g : plot_.graphs()) {
        before.push_back(g.numPoints());
    }
    Looks looks;
    // Without a watch (a batch run) nothing comes back for the rest.
    do {
        lookOnce(looks);
    } while (looks.more && !watch_);
    if (looks.more) {
        watch_->lookAgainSoon();
    }
    if (looks.changed) {
        show(before, looks.restarted || before.size() != static_cast<std::size_t>(plot_.numGraphs()));
    }
    if (!looks.news.empty()) {
        note(looks.news);  // after the picture, which writes the status line too
    }
    updating_ = false;
}

void DataFollowing::lookOnce(Looks& looks)
{
    looks.more = false;
    bool dropped = false;
    for (auto f = followers_.begin(); f != followers_.end();) {
        const bool wasGone = f->gone();
        const Outcome outcome = f->update(plot_);
        if (std::string said = newsOf(outcome, wasGone, f->path()); !said.empty()) {
            looks.news = std::move(said);
        }
        if (endsFollowing(outcome)) {
            f = followers_.erase(f);
            dropped = true;
            continue;
        }
        // A file that is gone stays watched: a logger that rotates its file brings it back.
        looks.changed = looks.changed || outcome == Outcome::Grew || outcome == Outcome::Restarted;
        looks.restarted = looks.restarted || outcome == Outcome::Restarted;
        looks.more = looks.more || f->morePending();
        ++f;
    }
    if (dropped) {
        watchPaths();
    }
}

void DataFollowing::show(const std::vector<int32_t>& before, bool whole)
{
    if (!plot_.view().rangeByUser) {
        const RangeSet shown = plot_.axes().currentRange();
        autoRangeXY(plot_);
        plot_.axes().autoTicks(plot_.aspectRatio() == AXES_EQUAL);
        whole = whole || !(plot_.axes().currentRange() == shown);
    }
    NativeWindow* window = plot_.nativeWindow();
    if (!window || !plot_.created()) {
        return;
    }
    if (whole) {
        plot_.redraw();
        return;
    }
    GraphDrawer drawer(window->surface(), plot_, plot_.view());
    std::size_t i = 0;
    for (Graph& g : plot_.graphs()) {
        drawer.drawPointsFrom(g, before[i++]);
    }
    window->present();
}

void DataFollowing::note(const std::string& text)
{
    // Not a box: a logger that removes its file must not stop the others.
    if (NativeWindow* window = plot_.nativeWindow(); window && window->hasStatusLine()) {
        window->setStatusText(0, text);
    }
}

DataFollowing* followingOf(Plot& plot)
{
    return static_cast<DataFollowing*>(plot.files().companion.get());
}

}  // namespace

void setFollowing(Plot& plot, bool on)
{
    plot.files().follow = on;
    plot.files().companion.reset();
    followReadFiles(plot);
}

void followReadFiles(Plot& plot)
{
    if (!plot.files().follow) {
        plot.files().companion.reset();
        return;
    }
    // Every file is read again from its start into its graphs: what a read
    // took of a line still being written then waits for its line end.
    plot.files().companion = std::make_unique<DataFollowing>(plot);
    updateFollowing(plot);
}

void updateFollowing(Plot& plot)
{
    if (DataFollowing* following = followingOf(plot)) {
        following->update();
    }
}

}  // namespace kvx
