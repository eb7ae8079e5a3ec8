#include "platform/dialog_template.h"

namespace kvx {

namespace {

const ControlTemplate* findIn(const std::vector<ControlTemplate>& controls, int id)
{
    for (const ControlTemplate& control : controls) {
        if (control.id == id) {
            return &control;
        }
        if (const ControlTemplate* inner = findIn(control.children, id)) {
            return inner;
        }
    }
    return nullptr;
}

}  // namespace

const ControlTemplate* findControl(const DialogTemplate& dialog, int id)
{
    return id == ControlTemplate::noId ? nullptr : findIn(dialog.controls, id);
}

}  // namespace kvx
