#include "window/file_commands.h"

#include "app/compare_no_case.h"
#include "files/plot_file.h"
#include "files/data_file_reader.h"
#include "model/plot_busy.h"
#include "filesystem/absolute_path.h"
#include "filesystem/regular_file.h"
#include "scaling/auto_range.h"
#include "window/data_following.h"
#include "window/plot_window_parts.h"
#include "window/session_loading.h"

namespace kvx {

std::string basePath(std::string_view path)
{
    const PathParts parts = splitPath(path);
    if (parts.hasExtension()) {
        return std::string(path.substr(0, parts.extension));
    }
    return std::string(path) + ".";
}

int16_t fileKindOf(std::string_view path)
{
    const PathParts parts = splitPath(path);
    if (parts.hasExtension()) {
        const std::string_view extension = path.substr(parts.extension);
        if (compareNoCase(extension, "plt") == 0) {
            return FILE_PLOT;
        }
        if (compareNoCase(extension, "ses") == 0) {
            return FILE_SESSION;
        }
    }
    return FILE_DATA;
}

std::string withExtension(const std::string& base, std::string_view extension)
{
    const std::string lower = base + std::string(extension);
    std::string upper = base;
    for (const char c : extension) {
        upper += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    return !isRegularFile(lower) && isRegularFile(upper) ? upper : lower;
}

std::string fileOfKind(const std::string& path, int16_t kind)
{
    const bool ofKind = fileKindOf(path) == kind;
    if (ofKind && isRegularFile(path)) {
        return path;
    }
    // "X.PLT" of "X.plt", a pair written elsewhere in upper case, or a name
    // without the kind's extension.
    const std::string found = withExtension(basePath(path), kind == FILE_SESSION ? "ses" : "plt");
    return ofKind && !isRegularFile(found) ? path : found;
}

std::string plotFileProblem(const std::string& name)
{
    std::string reason;
    const std::string plot = fileOfKind(name, FILE_PLOT);
    for (const std::string& file : {plot, withExtension(basePath(plot), "dat")}) {
        if (!openRegularFile(file, &reason)) {
            return "cannot open " + file + ": " + reason;
        }
    }
    return {};
}

bool openByPath(Plot& plot, const std::string& path, int16_t mode, ReadShortfall* shortfall)
{
    return openFile(plot, path, static_cast<int16_t>(mode + fileKindOf(path)), false, shortfall);
}

namespace {

// The wait cursor over the window while its files are read.
class WaitCursor {
public:
    explicit WaitCursor(Plot& plot) : window_(plot.nativeWindow())
    {
        if (window_) {
            window_->setCursor(CursorShape::Wait);
        }
    }
    ~WaitCursor()
    {
        if (window_) {
            window_->setCursor(CursorShape::Cross);
        }
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    NativeWindow* window_;
};

// Open: the plot's graphs go. Open and add: a single graph without points,
// all a fresh window has, goes too.
void clearForReading(Plot& plot, bool open)
{
    if (open || (plot.numGraphs() == 1 && plot.graph(1).numPoints() == 0)) {
        plot.removeAllGraphs();
        plot.files().dataFiles.clear();
    }
}

// Remembers which graphs the file just read filled, for following it: by
// its absolute name, as a file dialog changes the working directory.
void noteDataFile(Plot& plot, const std::string& path, int32_t start)
{
    plot.files().dataFiles.push_back(
        ReadDataFile{absolutePath(path), start, plot.numGraphs(), readModeFor(path, plot.files().readMode)});
}

// Reads the open data file into the plot, after its graphs (open: instead
// of them), and ranges the plot to them; the plot is busy throughout.
DataOutcome readDataFile(Plot& plot, std::FILE* file, const std::string& path, bool open)
{
    const PlotBusy busy(plot);
    const WaitCursor wait(plot);
    clearForReading(plot, open);
    plot.files().readMode = plot.readMode();
    const auto start = static_cast<int32_t>(plot.numGraphs() + 1);
    const DataOutcome outcome = readData(plot, file, path, start);
    noteDataFile(plot, path, start);
    plot.view().rangeByUser = false;
    autoRangeXY(plot);
    plot.axes().autoTicks(false);
    if (open) {
        // "Home" returns to the data, as after loading a plot file.
        plot.axes().keepAsOriginal();
    }
    return outcome;
}

// The plot file with its data (its base + "dat"): the plot takes the file's
// settings, graphs and range.
bool readPlotAndData(Plot& plot, const std::string& name, bool open)
{
    const PlotBusy busy(plot);
    const WaitCursor wait(plot);
    clearForReading(plot, open);
    plot.files().readMode = plot.readMode();
    const auto start = static_cast<int32_t>(plot.numGraphs() + 1);
    if (!readPlotFile(plot, name, PLOT_PART_ALL, start)) {
        return false;
    }
    const std::string data = withExtension(basePath(name), "dat");
    if (!readData(plot, data, start)) {
        return false;
    }
    noteDataFile(plot, data, start);
    plot.axes().keepAsOriginal();
    return true;
}

bool openDataFile(Plot& plot, const std::string& path, bool open, ReadShortfall* shortfall)
{
    // A file that cannot be opened must not cost the plot what it holds.
    const CFile file = openRegularFile(path);
    if (!file) {
        return false;
    }
    if (readDataFile(plot, file.get(), path, open) == DataOutcome::Refused && shortfall) {
        shortfall->refusedData.push_back(path);
    }
    plot.redraw();
    plot.bringToFront();
    followReadFiles(plot);
    return true;
}

bool openPlotFile(Plot& plot, const std::string& path)
{
    const std::string name = fileOfKind(path, FILE_PLOT);
    if (!openRegularFile(name)) {
        return false;  // nothing lost for a mistyped name
    }
    const bool read = readPlotAndData(plot, name, true);
    plot.redraw();  // the graphs are gone even when the data file is not there
    if (read) {
        plot.bringToFront();
        followReadFiles(plot);
    }
    return read;
}

bool openSessionFile(Plot& plot, const std::string& path, bool fromAddSession, ReadShortfall* shortfall)
{
    const std::string name = fileOfKind(path, FILE_SESSION);
    if (!openRegularFile(name)) {
        return false;  // the other windows stay for a mistyped name
    }
    {
        const PlotBusy busy(plot);
        clearForReading(plot, true);
    }
    if (!fromAddSession) {
        plot.closeOthers();
    }
    return readSession(plot, name, shortfall);
}

// "Add Plot" and "Add Session": the file opens in a window of its own.
bool openInNewWindow(Plot& plot, const std::string& path, int16_t kind, ReadShortfall* shortfall)
{
    Plot& fresh = plot.newPlot();
    fresh.show();
    const bool read =
        openFile(fresh, path, static_cast<int16_t>(FILE_OPEN + kind), kind == FILE_SESSION, shortfall);
    fresh.show();
    if (kind == FILE_PLOT) {
        fresh.redraw();
        fresh.bringToFront();
    }
    return read;
}

}  // namespace

bool openFile(Plot& plot, const std::string& path, int16_t code, bool fromAddSession, ReadShortfall* shortfall)
{
    const bool open = (code & FILE_OPEN) != 0;
    const bool add = (code & FILE_ADD) != 0;
    if (plot.isBusy()) {
        return false;  // a plot in the middle of a read keeps its graphs for the reader
    }
    if (!open && !add) {
        refreshMenu(plot);
        return true;
    }
    bool read = true;
    if (code & FILE_DATA) {
        read = openDataFile(plot, path, open, shortfall);
    } else if (code & FILE_PLOT) {
        read = open ? openPlotFile(plot, path) : openInNewWindow(plot, path, FILE_PLOT, shortfall);
    } else if (code & FILE_SESSION) {
        read = open ? openSessionFile(plot, path, fromAddSession, shortfall)
                    : openInNewWindow(plot, path, FILE_SESSION, shortfall);
    }
    if (plot.created()) {
        refreshMenu(plot);
    }
    return read;
}

}  // namespace kvx
