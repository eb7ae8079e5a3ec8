#include "editions/plot_handle.h"

#include "render/graph_drawer.h"
#include "scaling/auto_range.h"
#include "window/file_commands.h"
#include "window/file_dialogs.h"
#include "window/menu_state.h"
#include "window/window_drawing.h"

namespace kvx {

PlotHandle::PlotHandle(std::string_view title) : plot_(std::make_unique<Plot>(title))
{
}

PlotHandle::~PlotHandle() = default;

bool PlotHandle::openFile(const std::string& path, int16_t mode)
{
    return openByPath(*plot_, path, mode);
}

void PlotHandle::setRange(double xMin, double xMax, double yMin, double yMax, bool rememberLast)
{
    plot_->axes().setRange(xMin, xMax, yMin, yMax, rememberLast);
}

void PlotHandle::setTicks(double xTick, double yTick, double xSubTick, double ySubTick)
{
    plot_->axes().setTicks({{xTick, xSubTick}, {yTick, ySubTick}});
}

void PlotHandle::setLables(std::string_view xLable, std::string_view yLable, std::string_view axesTitle)
{
    plot_->setLables(xLable, yLable, axesTitle);
}

void PlotHandle::setPerGraph(void (PlotModel::*set)(int16_t, int16_t), int16_t value, int16_t index)
{
    if (addresses(index)) {
        (plot_.get()->*set)(value, index);
    }
}

void PlotHandle::setGraphLable(std::string_view text, int16_t index)
{
    if (addresses(index)) {
        plot_->setLable(text, index);
    }
}

void PlotHandle::setGraphColor(int16_t colorNum, int16_t index)
{
    setPerGraph(&PlotModel::setColorNum, colorNum, index);
}

void PlotHandle::setGraphMarker(int16_t markerType, int16_t index)
{
    setPerGraph(&PlotModel::setMarkerType, markerType, index);
}

void PlotHandle::setShowPoints(int16_t mode, int16_t index)
{
    setPerGraph(&PlotModel::setShowPoints, mode, index);
}

void PlotHandle::setShowMarker(int16_t mode, int16_t index)
{
    setPerGraph(&PlotModel::setShowMarker, mode, index);
}

void PlotHandle::setPointsDrawRate(int16_t rate, int16_t index)
{
    setPerGraph(&PlotModel::setPointsDrawRate, rate, index);
}

void PlotHandle::setMarkerDrawRate(int16_t rate, int16_t index)
{
    setPerGraph(&PlotModel::setMarkerDrawRate, rate, index);
}

void PlotHandle::addPoint(double x, double y, int16_t graph)
{
    if (graph >= 1 && graph <= plot_->numGraphs()) {
        appendAndDrawPoint(*plot_, x, y, graph);
    }
}

void PlotHandle::autoRange()
{
    autoRangeXY(*plot_);
}

void PlotHandle::setFileCommandMask(int16_t mask)
{
    PlotSettings& settings = plot_->settings();
    settings.fileCommandMask = mask;
    settings.newAllowed = mask == 1 ? 1 : 0;
    if (NativeWindow* window = plot_->nativeWindow()) {
        updateMenuState(*plot_, *window);
    }
}

void PlotHandle::issueFileCommand(int16_t code)
{
    // Only the open and add commands come from an edition; a save needs
    // the user's file name.
    if ((code & (FILE_OPEN | FILE_ADD)) != 0) {
        openWithDialog(*plot_, code);
    }
}

int16_t PlotHandle::takePendingFileCommand()
{
    const int16_t pending = plot_->files().pendingFileCommand;
    plot_->files().pendingFileCommand = 1;
    return pending;
}

std::optional<std::string> PlotHandle::askOpenFileName(std::string_view title, std::string_view description,
                                                       std::string_view extension, bool propose)
{
    return kvx::askOpenFileName(*plot_, title, description, extension, propose);
}

}  // namespace kvx
