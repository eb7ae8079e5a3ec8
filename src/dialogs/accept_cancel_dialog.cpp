#include "dialogs/accept_cancel_dialog.h"

namespace kvx {

void AcceptCancelDialog::controlUsed(DialogControls& controls, int id, ControlEvent event)
{
    if (event != ControlEvent::Clicked) {
        return;
    }
    if (id == IDOK) {
        accept(controls);
    } else if (id == IDCANCEL) {
        controls.endDialog(IDCANCEL);
    } else {
        buttonPressed(controls, id);
    }
}

}  // namespace kvx
