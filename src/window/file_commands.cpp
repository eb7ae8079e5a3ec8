#include "window/file_commands.h"

#include "app/compare_no_case.h"
#include "files/data_file_reader.h"
#include "model/plot_busy.h"
#include "platform/regular_file.h"
#include "scaling/auto_range.h"
#include "window/plot_window_parts.h"

namespace kvx {

PathParts splitPath(std::string_view path)
{
    PathParts parts;
    const std::size_t slash = path.rfind('/');
    parts.name = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = path.rfind('.');
    if (dot != std::string_view::npos && dot >= parts.name && dot + 1 < path.size()) {
        parts.extension = dot + 1;
    } else {
        parts.extension = std::string::npos;
    }
    return parts;
}

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

bool openByPath(Plot& plot, const std::string& path, int16_t mode)
{
    return openFile(plot, path, static_cast<int16_t>(mode + fileKindOf(path)));
}

namespace {

// Replaces (open) or extends the plot's graphs with those of the open file
// and ranges the plot to them; the plot is busy throughout.
void readIntoPlot(Plot& plot, std::FILE* file, const std::string& path, bool open)
{
    const PlotBusy busy(plot);
    if (open) {
        plot.removeAllGraphs();
    } else if (plot.numGraphs() == 1 && plot.graph(1).numPoints() == 0) {
        plot.removeAllGraphs();
    }
    plot.files().readMode = plot.readMode();
    const auto start = static_cast<int32_t>(plot.numGraphs() + 1);
    NativeWindow* window = plot.nativeWindow();
    if (window) {
        window->setCursor(CursorShape::Wait);
    }
    readData(plot, file, path, start);
    if (window) {
        window->setCursor(CursorShape::Cross);
    }
    autoRangeXY(plot);
    plot.axes().autoTicks(false);
    if (open) {
        // "Home" returns to the data, as after loading a plot file.
        plot.axes().keepAsOriginal();
    }
}

}  // namespace

bool openFile(Plot& plot, const std::string& path, int16_t code, bool /*fromAddSession*/)
{
    const bool open = (code & FILE_OPEN) != 0;
    const bool add = (code & FILE_ADD) != 0;
    if (!(code & FILE_DATA) || (!open && !add)) {
        refreshMenu(plot);
        return true;
    }
    // A plot in the middle of a read keeps its graphs for the reader, and a
    // file that cannot be opened must not cost the plot what it holds.
    if (plot.isBusy()) {
        return false;
    }
    const CFile file = openRegularFile(path);
    if (!file) {
        return false;
    }
    readIntoPlot(plot, file.get(), path, open);
    plot.redraw();
    plot.bringToFront();
    refreshMenu(plot);
    return true;
}

}  // namespace kvx
