#include "window/menu_choices.h"

namespace kvx {

std::optional<int16_t> choiceValue(const ChoiceGroup& group, uint16_t command)
{
    for (const MenuChoice& c : group.choices) {
        if (c.command == command) return c.value;
    }
    return std::nullopt;
}

Command choiceCommand(const ChoiceGroup& group, int16_t value)
{
    for (const MenuChoice& c : group.choices) {
        if (c.value == value) return c.command;
    }
    return group.unlisted;
}

}  // namespace kvx
