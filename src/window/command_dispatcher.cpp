#include "window/command_dispatcher.h"

#include "app/session_list.h"
#include "platform/window_messages.h"
#include "scaling/auto_range.h"
#include "scaling/zoom.h"
#include "settings/keywords.h"
#include "window/commands.h"
#include "window/session_commands.h"

namespace kvx {

namespace {

bool autoTicksEqual(const Plot& plot)
{
    return plot.aspectRatio() == AXES_EQUAL;
}

// The "Auto Screen Position" grid of each command: rows, columns, cell.
struct GridCell {
    int rows, columns, cell;
};

GridCell screenGrid(uint16_t command)
{
    if (command <= CMD_SCREEN_2V_DOWN) return {2, 1, command - CMD_SCREEN_2V_UP + 1};
    if (command <= CMD_SCREEN_2H_RIGHT) return {1, 2, command - CMD_SCREEN_2H_LEFT + 1};
    if (command <= CMD_SCREEN_2V2H_DOWN_RIGHT) return {2, 2, command - CMD_SCREEN_2V2H_UP_LEFT + 1};
    return {3, 2, command - CMD_SCREEN_3V2H_UP_LEFT + 1};
}

}  // namespace

void sendCommand(Plot& plot, uint16_t command)
{
    plot.handleMessage(MSG_COMMAND, command, 0);
}

bool dispatchCommand(Plot& plot, uint16_t command)
{
    AxesSystem& axes = plot.axes();
    switch (command) {
    case CMD_EXIT_SESSION: plot.exitSession(); return true;
    case CMD_MINIMIZE_ALL: minimizeAll(); return true;
    case CMD_MAXIMIZE_ALL: maximizeAll(); return true;
    case CMD_SHOW_ALL: showAll(); return true;
    case CMD_CLOSE: plot.destroyWindow(); return true;

    case CMD_RANGE_LAST: axes.restoreLast(); break;
    case CMD_RANGE_ORIGINAL_XY: axes.restoreOriginal(); break;
    case CMD_RANGE_ORIGINAL_X: axes.restoreOriginalX(); break;
    case CMD_RANGE_ORIGINAL_Y: axes.restoreOriginalY(); break;
    case CMD_RANGE_STORE: axes.store(); return true;
    case CMD_RANGE_RESTORE: axes.restoreStored(); break;

    case CMD_AUTO_RANGE_XY:
        autoRangeXY(plot);
        axes.autoTicks(autoTicksEqual(plot));
        break;
    case CMD_AUTO_RANGE_X:
        autoRangeX(plot);
        axes.autoXTicks();
        break;
    case CMD_AUTO_RANGE_Y:
        autoRangeY(plot);
        axes.autoYTicks();
        break;

    case CMD_AXES_EQUAL: toggleAxesEqual(plot); break;

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

    case CMD_ZOOM_MODE_XY: plot.setZoomMode(ZOOM_XY); return true;
    case CMD_ZOOM_MODE_X: plot.setZoomMode(ZOOM_X); return true;
    case CMD_ZOOM_MODE_Y: plot.setZoomMode(ZOOM_Y); return true;
    case CMD_ZOOM_MODE_X_AUTORANGE_Y: plot.setZoomMode(ZOOM_XARY); return true;
    case CMD_ZOOM_MODE_Y_AUTORANGE_X: plot.setZoomMode(ZOOM_YARX); return true;
    case CMD_ZOOM_MODE_X_KEEP_RATIO: plot.setZoomMode(ZOOM_XKR); return true;

    case CMD_REDRAW_ALL: break;

    default:
        if (command >= CMD_SCREEN_2V_UP && command <= CMD_SCREEN_3V2H_DOWN_RIGHT) {
            const GridCell g = screenGrid(command);
            plot.placeOnScreenGrid(g.rows, g.columns, g.cell);
            return true;
        }
        return false;
    }
    plot.redraw();
    return true;
}

}  // namespace kvx
