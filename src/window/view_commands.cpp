#include "window/command_groups.h"

#include "app/commands.h"
#include "app/errors.h"
#include "render/plot_painter.h"
#include "scaling/auto_range.h"
#include "scaling/log_axes.h"
#include "scaling/zoom.h"
#include "settings/keywords.h"
#include "window/menu_choices.h"
#include "window/window_drawing.h"

namespace kvx {

namespace {

// Frame and grid over the picture that is there, without erasing it.
void paintFrameAndGrid(Plot& plot)
{
    NativeWindow* window = plot.nativeWindow();
    if (!plot.created() || !window || plot.settings().busy) {
        return;
    }
    PlotPainter(window->surface(), plot, clientView(plot)).paintFrameAndGrid();
    window->present();
}

// "Log X" and "Log Y" turn the axis's kind over; a plot without a positive
// value keeps a linear axis and says why.
void toggleLogAxis(Plot& plot, bool xAxis)
{
    const bool log = !(xAxis ? plot.axes().x().log() : plot.axes().y().log());
    if (!setAxisLog(plot, xAxis, log)) {
        reportError(ERR_MESSAGE, noPositiveValues(xAxis), true, plot.nativeWindow());
    }
}

}  // namespace

CommandOutcome viewCommand(Plot& plot, uint16_t command)
{
    AxesSystem& axes = plot.axes();
    switch (command) {
    case CMD_RANGE_LAST: axes.restoreLast(); break;
    case CMD_RANGE_ORIGINAL_XY: axes.restoreOriginal(); break;
    case CMD_RANGE_ORIGINAL_X: axes.x().restoreOriginal(); break;
    case CMD_RANGE_ORIGINAL_Y: axes.y().restoreOriginal(); break;
    case CMD_RANGE_STORE: axes.store(); return CommandOutcome::Done;
    case CMD_RANGE_RESTORE: axes.restoreStored(); break;

    case CMD_AUTO_RANGE_XY:
        autoRangeXY(plot);
        axes.autoTicks(plot.aspectRatio() == AXES_EQUAL);
        break;
    case CMD_AUTO_RANGE_X:
        autoRangeX(plot);
        axes.autoTicks(axes.x());
        break;
    case CMD_AUTO_RANGE_Y:
        autoRangeY(plot);
        axes.autoTicks(axes.y());
        break;

    case CMD_AXES_EQUAL: toggleAxesEqual(plot); break;
    case CMD_LOG_X: toggleLogAxis(plot, true); break;
    case CMD_LOG_Y: toggleLogAxis(plot, false); break;
    case CMD_TIME_X: setTimeAxis(plot, plot.axes().x().kind() != AxisKind::Time); break;
    case CMD_SMOOTH_LINES: {
        int16_t& smooth = plot.settings().antiAlias;
        smooth = smooth == SHOW ? HIDE : SHOW;
        break;
    }

    case CMD_MOVE_IN: zoomIn(plot); break;
    case CMD_MOVE_OUT: zoomOut(plot); break;
    case CMD_MOVE_LEFT: axes.shiftByTicks(-1, 0); break;
    case CMD_MOVE_RIGHT: axes.shiftByTicks(1, 0); break;
    case CMD_MOVE_UP: axes.shiftByTicks(0, 1); break;
    case CMD_MOVE_DOWN: axes.shiftByTicks(0, -1); break;
    case CMD_MOVE_RANGE_LEFT: axes.shiftByRanges(-1, 0); break;
    case CMD_MOVE_RANGE_RIGHT: axes.shiftByRanges(1, 0); break;
    case CMD_MOVE_RANGE_UP: axes.shiftByRanges(0, 1); break;
    case CMD_MOVE_RANGE_DOWN: axes.shiftByRanges(0, -1); break;
    case CMD_MOVE_SUBTICK_LEFT: axes.shiftBySubTicks(-1, 0); break;
    case CMD_MOVE_SUBTICK_RIGHT: axes.shiftBySubTicks(1, 0); break;
    case CMD_MOVE_SUBTICK_UP: axes.shiftBySubTicks(0, 1); break;
    case CMD_MOVE_SUBTICK_DOWN: axes.shiftBySubTicks(0, -1); break;

    case CMD_REDRAW_ALL: break;
    case CMD_REDRAW_FRAME_GRID: paintFrameAndGrid(plot); return CommandOutcome::Done;

    default:
        // A zoom mode changes no picture, only how the next band zooms.
        if (const auto mode = choiceValue(zoomModeGroup, command)) {
            plot.setZoomMode(*mode);
            return CommandOutcome::MenuChanged;
        }
        return CommandOutcome::NotMine;
    }
    // A range the user chose holds against the data that followed files
    // append, until "Auto Range" gives the range back to the data.
    if (command == CMD_AUTO_RANGE_XY) {
        plot.view().rangeByUser = false;
    } else if (command != CMD_REDRAW_ALL && command != CMD_LOG_X && command != CMD_LOG_Y &&
               command != CMD_TIME_X && command != CMD_SMOOTH_LINES) {
        plot.view().rangeByUser = true;
    }
    return CommandOutcome::Repaint;
}

}  // namespace kvx
