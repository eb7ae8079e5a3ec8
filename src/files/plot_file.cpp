#include "files/plot_file.h"

#include <algorithm>
#include <optional>

#include "app/errors.h"
#include "files/data_file_writer.h"
#include "files/graph_keys.h"
#include "files/required_key.h"
#include "model/framed_plot.h"
#include "model/plot_busy.h"
#include "filesystem/folder_lock.h"
#include "filesystem/replacing_file_group.h"
#include "filesystem/save_target.h"
#include "settings/keywords.h"
#include "settings/profile.h"
#include "settings/setting_bounds.h"

namespace kvx {

namespace {

constexpr std::string_view plotSection = "Plot";
constexpr std::string_view axesSection = "AxesSystem";
constexpr std::string_view graphsSection = "Graphs";
constexpr std::string_view numGraphsKey = "numGraphs";
constexpr std::string_view followKey = "follow";

std::string graphSection(int number)
{
    return "Graph" + std::to_string(number);
}

// The section headers in file order; the entries fill them in.
std::string skeleton(int numGraphs)
{
    std::string text = "[Plot]\n[AxesSystem]\n[Graphs]";
    for (int n = 1; n <= numGraphs; ++n) {
        text += "\n[" + graphSection(n) + "]";
    }
    return text;
}

void writeWindow(Profile& out, const BaseWindow& frame)
{
    out.writeQuotedText(plotSection, "windowTitle", frame.windowTitle());
    out.writeLong(plotSection, "xWinPos", frame.xWinPos());
    out.writeLong(plotSection, "yWinPos", frame.yWinPos());
    out.writeLong(plotSection, "xWinSize", frame.xWinSize());
    out.writeLong(plotSection, "yWinSize", frame.yWinSize());
}

// The bounds of one axis. 16 digits may move each by a unit in the last
// place, and an axis zoomed in to the narrowest width could then read back
// narrower than the axes accept and reopen at the default range: such
// bounds are written with the digits that read back exactly.
void writeBounds(Profile& out, std::string_view minKey, std::string_view maxKey, double min, double max)
{
    if (Axis::acceptsBounds(leadingReal(formatReal(min)), leadingReal(formatReal(max)))) {
        out.writeReal(axesSection, minKey, min);
        out.writeReal(axesSection, maxKey, max);
        return;
    }
    out.writeText(axesSection, minKey, formatExactReal(min));
    out.writeText(axesSection, maxKey, formatExactReal(max));
}

void writeAxes(Profile& out, const PlotModel& plot)
{
    out.writeQuotedText(axesSection, "axesTitle", plot.axesTitle());
    out.writeQuotedText(axesSection, "xLable", plot.xLable());
    out.writeQuotedText(axesSection, "yLable", plot.yLable());
    const RangeSet r = plot.axes().currentRange();
    writeBounds(out, "xMin", "xMax", r.x.min, r.x.max);
    writeBounds(out, "yMin", "yMax", r.y.min, r.y.max);
    out.writeReal(axesSection, "xTick", r.x.tick);
    out.writeReal(axesSection, "yTick", r.y.tick);
    out.writeReal(axesSection, "xSubTick", r.x.subTick);
    out.writeReal(axesSection, "ySubTick", r.y.subTick);
    out.writeKeyword(axesSection, "showGrid", plot.showGrid());
    if (plot.axes().x().log()) {
        out.writeKeyword(axesSection, "xLog", SHOW);
    }
    if (plot.axes().y().log()) {
        out.writeKeyword(axesSection, "yLog", SHOW);
    }
    if (plot.axes().x().kind() == AxisKind::Time) {
        out.writeKeyword(axesSection, "xTime", SHOW);
    }
    if (plot.settings().antiAlias == SHOW) {
        out.writeKeyword(axesSection, "antiAlias", SHOW);
    }
    out.writeKeyword(axesSection, "showCoorSystem", plot.showCoorSystem());
    out.writeKeyword(axesSection, "showLegend", plot.showLegend());
    out.writeKeyword(axesSection, "aspectRatio", plot.aspectRatio());
    out.writeKeyword(axesSection, "colorScheme", plot.colorScheme());
    out.writeKeyword(axesSection, "colorPalette", plot.colorPalette());
    out.writeShort(axesSection, "numColors", plot.numColors());
    out.writeKeyword(axesSection, "zoomMode", plot.zoomMode());
    out.writeShort(axesSection, numGraphsKey, plot.numGraphs());
}

void writeGraphs(Profile& out, const PlotModel& plot)
{
    out.writeKeyword(graphsSection, "readMode", plot.files().readMode);
    if (plot.files().follow) {
        // Only when on, so that the files of plots that do not follow stay as they were.
        out.writeKeyword(graphsSection, followKey, SHOW);
    }
    // In the order of the data file, which the reader fills graph by graph.
    int section = 0;
    for (const int16_t number : storedGraphOrder(plot)) {
        writeGraphKeys(out, graphSection(++section), plot.graph(number));
    }
}

// One read of a plot file into a plot.
class PlotFileReader {
public:
    PlotFileReader(FramedPlot plot, Profile& in) : plot_(plot.model), frame_(plot.frame), in_(in) {}

    void readWindow();
    void readAxes();
    // The number of graphs the file holds, within what the plot can still
    // take from graph `first` on; nothing when the file does not say.
    std::optional<int16_t> numGraphs(int32_t first);
    // The graph sections into graphs first to last.
    void readGraphs(int32_t first, int32_t last);

private:
    void readTicks(std::string_view tickKey, std::string_view subTickKey, Axis& axis);
    void readSwitches();
    void readPalette();

    PlotModel& plot_;
    BaseWindow& frame_;
    Profile& in_;
};

void PlotFileReader::readWindow()
{
    std::string title;
    if (in_.readText(plotSection, "windowTitle", title) && !title.empty()) {
        frame_.setTitle(title);
    }
    int16_t x = 0;
    int16_t y = 0;
    if (in_.readShort(plotSection, "xWinPos", x) && in_.readShort(plotSection, "yWinPos", y)) {
        frame_.setPosition(bounds::windowPosition.clamp(x), bounds::windowPosition.clamp(y));
    }
    int16_t width = 0;
    int16_t height = 0;
    if (in_.readShort(plotSection, "xWinSize", width) && in_.readShort(plotSection, "yWinSize", height)) {
        // The resize repaints the window; a size no screen holds would only
        // cost memory.
        const PlotBusy::PaintAllowed repaint(plot_);
        frame_.setSize(bounds::windowSize.clamp(width), bounds::windowSize.clamp(height));
    }
}

void PlotFileReader::readAxes()
{
    std::string axesTitle;
    std::string xLable;
    std::string yLable;
    in_.readText(axesSection, "axesTitle", axesTitle);
    in_.readText(axesSection, "xLable", xLable);
    in_.readText(axesSection, "yLable", yLable);
    plot_.setLables(xLable, yLable, axesTitle);

    double xMin = -1000.0;
    double xMax = 1000.0;
    double yMin = -1000.0;
    double yMax = 1000.0;
    in_.readReal(axesSection, "xMin", xMin);
    in_.readReal(axesSection, "xMax", xMax);
    in_.readReal(axesSection, "yMin", yMin);
    in_.readReal(axesSection, "yMax", yMax);
    // Files of plots with linear axes do not name the kind.
    int16_t xLog = HIDE;
    int16_t yLog = HIDE;
    in_.readKeyword(axesSection, "xLog", xLog);
    in_.readKeyword(axesSection, "yLog", yLog);
    // A time axis is never logarithmic; a file that says both has a
    // logarithmic one.
    int16_t xTime = HIDE;
    in_.readKeyword(axesSection, "xTime", xTime);
    const AxisKind xKind = xLog == SHOW ? AxisKind::Logarithmic : (xTime == SHOW ? AxisKind::Time : AxisKind::Linear);
    plot_.axes().setRangeAndKinds(xMin, xMax, yMin, yMax, xKind, axisKind(yLog == SHOW), true);

    readTicks("xTick", "xSubTick", plot_.axes().x());
    readTicks("yTick", "ySubTick", plot_.axes().y());
    readSwitches();
    readPalette();
}

void PlotFileReader::readTicks(std::string_view tickKey, std::string_view subTickKey, Axis& axis)
{
    double tick = 0.0;
    double subTick = 0.0;
    if (!in_.readReal(axesSection, tickKey, tick)) {
        return;
    }
    if (in_.readReal(axesSection, subTickKey, subTick)) {
        axis.setTicks(tick, subTick);
    } else {
        plot_.axes().setTick(axis, tick);
    }
}

void PlotFileReader::readSwitches()
{
    // In this order: the coordinate system and the aspect ratio each decide
    // the zoom mode, and a colour scheme takes its colours at once.
    int16_t v = 0;
    if (in_.readKeyword(axesSection, "showGrid", v)) plot_.setShowGrid(v);
    if (in_.readKeyword(axesSection, "showCoorSystem", v)) plot_.setShowCoorSystem(v);
    if (in_.readKeyword(axesSection, "showLegend", v)) plot_.setShowLegend(v);
    if (in_.readKeyword(axesSection, "aspectRatio", v)) plot_.setAspectRatio(v);
    if (in_.readKeyword(axesSection, "colorScheme", v)) plot_.setColorScheme(v);
    if (in_.readKeyword(axesSection, "antiAlias", v)) plot_.settings().antiAlias = v == SHOW ? SHOW : HIDE;
}

void PlotFileReader::readPalette()
{
    int16_t palette = plot_.colorPalette();
    int16_t numColors = 16;
    const bool hasPalette = in_.readKeyword(axesSection, "colorPalette", palette);
    const bool hasNumColors = in_.readShort(axesSection, "numColors", numColors);
    if (hasPalette || hasNumColors) {
        plot_.setColorPalette(palette, bounds::numColors.clamp(numColors));
    }
}

std::optional<int16_t> PlotFileReader::numGraphs(int32_t first)
{
    int16_t n = 0;
    if (!in_.readShort(axesSection, numGraphsKey, n)) {
        return std::nullopt;
    }
    // A count that would pass the graph limit stops at it.
    const int32_t room = PlotModel::maxGraphs - (first - 1);
    return static_cast<int16_t>(std::clamp<int32_t>(n, 0, room));
}

void PlotFileReader::readGraphs(int32_t first, int32_t last)
{
    int16_t readMode = 0;
    if (in_.readKeyword(graphsSection, "readMode", readMode)) {
        plot_.files().readMode = readMode;
    }
    // Without the key the plot keeps following as it did: older files say nothing about it.
    if (int16_t follow = 0; in_.readKeyword(graphsSection, followKey, follow) && follow == SHOW) {
        plot_.files().follow = true;
    }
    const GraphKeys common = readGraphKeys(in_, graphsSection);
    for (int32_t g = first; g <= last; ++g) {
        common.applyTo(plot_, static_cast<int16_t>(g));
    }
    for (int32_t g = first; g <= last; ++g) {
        readGraphKeys(in_, graphSection(g - first + 1)).applyTo(plot_, static_cast<int16_t>(g));
    }
}

}  // namespace

bool writePlotFile(FramedPlot plot, ReplacingFile& file)
{
    if (file.failed()) {
        return false;
    }
    Profile out(file.target(), false);
    out.startFrom(skeleton(plot.model.numGraphs()));
    writeWindow(out, plot.frame);
    writeAxes(out, plot.model);
    writeGraphs(out, plot.model);
    return out.writeTo(file);
}

bool writePlotFile(FramedPlot plot, const std::string& fileName, std::string* reason)
{
    ReplacingFile file(fileName);
    if (writePlotFile(plot, file) && file.commit()) {
        return true;
    }
    if (reason) {
        *reason = file.error();
    }
    return false;
}

bool writePlotWithData(FramedPlot plot, const std::string& plotFile, const std::string& dataFile,
                       std::string* failedPath, std::string* reason)
{
    const FolderLock lock(folderOfPath(plotFile), FolderLock::savePatience);
    ReplacingFileGroup group;
    // The plot file names its data's read mode: it replaces the old one last.
    ReplacingFile& plt = group.add(plotFile);
    ReplacingFile& dat = group.add(dataFile);
    if (lock.obtained() && writeData(plot.model, dat) && writePlotFile(plot, plt) && group.commit()) {
        return true;
    }
    // Named as they are written: the data first.
    const ReplacingFile* failure = dat.failed() ? &dat : group.failure();
    if (failedPath) {
        *failedPath = failure ? failure->target() : plotFile;
    }
    if (reason) {
        *reason = failure ? failure->error() : lock.problem();
    }
    return false;
}

bool readPlotFile(FramedPlot plot, const std::string& fileName, int partMask, int32_t start)
{
    Profile in(fileName, true);
    if (!in.readable()) {
        return false;
    }
    PlotFileReader reader(plot, in);
    if (partMask & PLOT_PART_WINDOW) {
        reader.readWindow();
    }
    const int32_t first = std::clamp<int32_t>(start, 1, PlotModel::maxGraphs + 1);
    const std::optional<int16_t> numGraphs = reader.numGraphs(first);
    if (partMask & PLOT_PART_AXES) {
        reader.readAxes();
        if (!numGraphs) {
            const PlotBusy::PaintAllowed repaint(plot.model);  // behind the box
            reportError(ERR_MESSAGE, requiredKeyMissing(axesSection, numGraphsKey, fileName), true,
                        plot.frame.nativeWindow());
            return true;
        }
        plot.model.ensureGraphs(static_cast<int16_t>(first + *numGraphs - 1));
    }
    if ((partMask & PLOT_PART_GRAPHS) && numGraphs) {
        // Without the axes part only the graphs that exist take the styles.
        const int32_t last = std::min<int32_t>(first + *numGraphs - 1, plot.model.numGraphs());
        reader.readGraphs(first, last);
    }
    return true;
}

}  // namespace kvx
