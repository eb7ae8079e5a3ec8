#include "window/menu_state.h"

#include <array>

#include "app/commands.h"
#include "window/menu_choices.h"

namespace kvx {

namespace {

// Clears every mark of the group before setting one, so a mark left by an
// earlier state never survives.
void setGroup(NativeWindow& window, const ChoiceGroup& group, CommonValue current)
{
    if (group.diverse != CMD_NONE) {
        window.setMenuItemState(group.diverse, ItemState::DisabledLooksEnabled);
        window.checkMenuItem(group.diverse, false);
    }
    for (const MenuChoice& c : group.choices) window.checkMenuItem(c.command, false);

    const Command chosen = current.common ? choiceCommand(group, current.value) : group.diverse;
    if (chosen != CMD_NONE) window.checkMenuItem(chosen, true);
}

void setGroup(NativeWindow& window, const ChoiceGroup& group, int16_t value)
{
    setGroup(window, group, CommonValue{value, true});
}

}  // namespace

void updateMenuState(const Plot& plot, NativeWindow& window)
{
    if (!window.hasMenu()) return;

    setGroup(window, legendGroup, plot.showLegend());
    setGroup(window, coorSystemGroup, plot.showCoorSystem());
    setGroup(window, pointsGroup, plot.commonValue(GraphAttribute::ShowPoints));
    setGroup(window, markerGroup, plot.commonValue(GraphAttribute::ShowMarker));
    setGroup(window, linesGroup, plot.commonValue(GraphAttribute::ShowLines));
    window.checkMenuItem(CMD_AXES_EQUAL, plot.aspectRatio() == AXES_EQUAL);
    window.checkMenuItem(CMD_LOG_X, plot.axes().x().log());
    window.checkMenuItem(CMD_LOG_Y, plot.axes().y().log());
    window.checkMenuItem(CMD_TIME_X, plot.axes().x().kind() == AxisKind::Time);
    window.checkMenuItem(CMD_SMOOTH_LINES, plot.settings().antiAlias == SHOW);
    setGroup(window, graphTypeGroup, plot.commonValue(GraphAttribute::Type));
    setGroup(window, lineWidthGroup, plot.commonValue(GraphAttribute::LineWidth));
    setGroup(window, markerSizeGroup, plot.commonValue(GraphAttribute::MarkerSize));
    setGroup(window, linesDrawRateGroup, plot.commonValue(GraphAttribute::LinesDrawRate));
    setGroup(window, pointsDrawRateGroup, plot.commonValue(GraphAttribute::PointsDrawRate));
    setGroup(window, markerDrawRateGroup, plot.commonValue(GraphAttribute::MarkerDrawRate));
    setGroup(window, colorSchemeGroup, plot.colorScheme());
    setGroup(window, gridGroup, plot.showGrid());
    setGroup(window, readModeGroup, plot.readMode());
    setGroup(window, zoomModeGroup, plot.zoomMode());
    window.checkMenuItem(CMD_FOLLOW_DATA_FILES, plot.files().follow);
    window.setMenuItemState(CMD_NEW, plot.settings().newAllowed ? ItemState::Enabled : ItemState::Grayed);
}

}  // namespace kvx
