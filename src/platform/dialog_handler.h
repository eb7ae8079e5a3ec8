#pragma once
// The logic of one dialog: what happens when it opens, when a control is
// used, and how its drawn entries look.

#include "platform/dialog_controls.h"
#include "platform/surface.h"

namespace kvx {

enum class ControlEvent {
    Clicked,           // a button, check box or radio button
    SelectionChanged,  // a list's or drawn list's selection
};

class DialogHandler {
public:
    virtual ~DialogHandler() = default;

    // The controls exist and are empty: fill them.
    virtual void opened(DialogControls& controls) = 0;
    // Control `id` was used. Enter presses the default button (or sends
    // IDOK), Escape and the close button send IDCANCEL; the dialog closes
    // only through endDialog.
    virtual void controlUsed(DialogControls& controls, int id, ControlEvent event) = 0;
    // Draws entry `index` of drawn list `id`, or picture `id` (index 0), on a
    // white surface of width by height pixels.
    virtual void drawEntry(Surface& surface, int id, int index, int width, int height)
    {
        (void)surface, (void)id, (void)index, (void)width, (void)height;
    }
};

}  // namespace kvx
