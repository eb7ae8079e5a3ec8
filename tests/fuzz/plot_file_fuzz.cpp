// Feeds arbitrary bytes to the plot-file reader as a whole plot file, checks
// that what the plot then holds stays within the bounds of its setters,
// writes the plot file and reads it into a second plot: both must agree on
// everything the reader takes from a file, and the two windows must get two
// plain names in a session. The same file is then read as the data file,
// as opening a plot does, and the plot is painted into a small picture with
// the range and ticks from the file. The same bytes are read as a session
// file too: it names a bounded number of plot files, none outside its
// folder. Warning boxes are only counted, never shown.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "files/data_file_reader.h"
#include "files/data_file_writer.h"
#include "files/plot_file.h"
#include "files/session_file.h"
#include "fuzz_support.h"
#include "window/plot.h"
#include "settings/keywords.h"
#include "settings/profile.h"
#include "settings/setting_bounds.h"

namespace {

using kvx::fuzz::require;

bool isKeyword(int16_t value)
{
    std::string keyword;
    return kvx::valueToKeyword(value, keyword);
}

// The keyword settings in the first five, the numbers after them.
std::array<int16_t, 13> styleOf(const kvx::Graph& g)
{
    return {g.type(), g.lineType(), g.markerType(), g.showLines(), g.showPoints(), g.showMarker(),
            g.colorNum(), g.lineWidth(), g.pointsSize(), g.markerSize(), g.linesDrawRate(),
            g.pointsDrawRate(), g.markerDrawRate()};
}

void checkGraph(const kvx::Graph& g)
{
    namespace b = kvx::bounds;
    const std::array<int16_t, 13> style = styleOf(g);
    for (int i = 0; i < 6; ++i) {
        require(isKeyword(style[static_cast<std::size_t>(i)]));
    }
    require(b::lineWidth.contains(g.lineWidth()));
    require(b::dotOrMarkerSize.contains(g.pointsSize()) && b::dotOrMarkerSize.contains(g.markerSize()));
    require(b::drawRate.contains(g.linesDrawRate()) && b::drawRate.contains(g.pointsDrawRate()) &&
            b::drawRate.contains(g.markerDrawRate()));
    require(g.lable().size() <= kvx::Graph::maxLableLength);
}

bool isRange(double min, double max)
{
    return std::isfinite(min) && std::isfinite(max) && min < max;
}

void checkPlot(const kvx::Plot& plot)
{
    kvx::fuzz::requireSettled(plot);
    for (const kvx::Graph& g : plot.graphs()) {
        checkGraph(g);
    }
    const kvx::RangeSet r = plot.axes().currentRange();
    require(isRange(r.x.min, r.x.max) && isRange(r.y.min, r.y.max));
    require(kvx::bounds::numColors.contains(plot.numColors()));
    require(kvx::bounds::windowSize.contains(plot.xWinSize()) &&
            kvx::bounds::windowSize.contains(plot.yWinSize()));
}

// A real as a plot file holds it: to 16 significant digits, or exactly
// where 16 digits would not do.
bool readsBackAs(double back, double value)
{
    return back == value || back == kvx::leadingReal(kvx::formatReal(value));
}

bool rangeReadsBackAs(const kvx::RangeSet& back, const kvx::RangeSet& r)
{
    return readsBackAs(back.x.min, r.x.min) && readsBackAs(back.x.max, r.x.max) &&
           readsBackAs(back.y.min, r.y.min) && readsBackAs(back.y.max, r.y.max) &&
           readsBackAs(back.x.tick, r.x.tick) && readsBackAs(back.x.subTick, r.x.subTick) &&
           readsBackAs(back.y.tick, r.y.tick) && readsBackAs(back.y.subTick, r.y.subTick);
}

auto windowOf(const kvx::Plot& p)
{
    return std::tuple(p.windowTitle(), p.xWinPos(), p.yWinPos(), p.xWinSize(), p.yWinSize());
}

auto lablesOf(const kvx::Plot& p)
{
    return std::tuple(p.xLable(), p.yLable(), p.axesTitle());
}

auto switchesOf(const kvx::Plot& p)
{
    return std::tuple(p.showGrid(), p.showCoorSystem(), p.showLegend(), p.aspectRatio(),
                      p.colorScheme(), p.colorPalette(), p.numColors(), p.files().readMode);
}

// The second plot was read from the file written of the first; its graph k
// took the section of the k-th graph in stored order.
void checkSamePlot(kvx::Plot& plot, const kvx::Plot& back)
{
    require(windowOf(back) == windowOf(plot));
    require(lablesOf(back) == lablesOf(plot));
    require(rangeReadsBackAs(back.axes().currentRange(), plot.axes().currentRange()));
    require(switchesOf(back) == switchesOf(plot));
    require(back.numGraphs() == plot.numGraphs());
    int k = 0;
    for (const int16_t number : kvx::storedGraphOrder(plot)) {
        const kvx::Graph& g = plot.graph(number);
        const kvx::Graph& h = back.graph(++k);
        require(h.lable() == g.lable() && styleOf(h) == styleOf(g));
    }
}

bool isPlainName(const std::string& name)
{
    return !name.empty() && std::none_of(name.begin(), name.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return c == '/' || c == '.' || u < 0x20 || u == 0x7F;
    });
}

// Two windows of one title are saved under two plain names.
void checkBaseNames(const kvx::Plot& plot, const kvx::Plot& back)
{
    const std::vector<std::string> names = kvx::sessionBaseNames({&plot, &back});
    require(names.size() == 2 && names[0] != names[1]);
    require(isPlainName(names[0]) && isPlainName(names[1]));
}

void checkRoundTrip(kvx::Plot& plot, const std::string& path)
{
    require(kvx::writePlotFile(plot, path));
    kvx::Plot back("Back");
    require(kvx::readPlotFile(back, path, kvx::PLOT_PART_ALL, 1));
    checkPlot(back);
    checkSamePlot(plot, back);
    checkBaseNames(plot, back);
}

// A plot file's names, the session file's folder put before them.
void checkSession(const std::string& path)
{
    const auto contents = kvx::readSessionFile(path);
    if (!contents) {
        return;
    }
    require(contents->plotFiles.size() <= static_cast<std::size_t>(kvx::maxSessionPlots));
    const std::string folder = path.substr(0, path.rfind('/') + 1);
    for (const auto& file : contents->plotFiles) {
        if (!file) {
            continue;
        }
        require(file->compare(0, folder.size(), folder) == 0);
        const std::string name = file->substr(folder.size());
        require(!name.empty() && name.front() != '/');
        require(("/" + name + "/").find("/../") == std::string::npos);
    }
}

void checkFocusList(std::string_view text)
{
    const std::vector<int> focus = kvx::parseFocusList(text);
    // Every number has a digit of its own.
    std::size_t digits = 0;
    for (const char c : text) {
        digits += (c >= '0' && c <= '9') ? 1 : 0;
    }
    require(focus.size() <= digits);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    kvx::fuzz::QuietDesktop& desktop = kvx::fuzz::quietDesktop();
    static const std::string path = kvx::fuzz::tempFile(".plt");
    static const std::string written = kvx::fuzz::tempFile("-written.plt");

    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    kvx::fuzz::writeBytes(path, bytes);
    {
        kvx::Plot plot("Fuzz");
        require(kvx::readPlotFile(plot, path, kvx::PLOT_PART_ALL, 1));
        checkPlot(plot);
        desktop.boxes = 0;
        checkRoundTrip(plot, written);
        // The writer's own files never warn.
        require(desktop.boxes == 0);
        kvx::readData(plot, path, 1);
        kvx::fuzz::requireSettled(plot);
        kvx::fuzz::paintSmall(plot);
    }
    checkSession(path);
    checkFocusList(bytes);
    return 0;
}
