#include "window/command_groups.h"

#include "window/menu_choices.h"

namespace kvx {

CommandOutcome displayCommand(Plot& plot, uint16_t command)
{
    if (const auto v = choiceValue(gridGroup, command)) {
        plot.setShowGrid(*v);
    } else if (const auto v = choiceValue(legendGroup, command)) {
        plot.setShowLegend(*v);
    } else if (const auto v = choiceValue(coorSystemGroup, command)) {
        plot.setShowCoorSystem(*v);
    } else if (const auto v = choiceValue(colorSchemeGroup, command)) {
        plot.setColorScheme(*v);
    } else {
        return CommandOutcome::NotMine;
    }
    return CommandOutcome::Repaint;
}

}  // namespace kvx
