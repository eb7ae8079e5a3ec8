#pragma once
// The logic of a dialog that OK accepts and Cancel (Escape, the close
// button) ends without change.

#include "platform/dialog_handler.h"

namespace kvx {

class AcceptCancelDialog : public DialogHandler {
public:
    void controlUsed(DialogControls& controls, int id, ControlEvent event) final;

protected:
    // OK: takes the fields and ends the dialog, or leaves it open on a
    // field that is not right.
    virtual void accept(DialogControls& controls) = 0;
    // Any other button of the dialog.
    virtual void buttonPressed(DialogControls& controls, int id)
    {
        (void)controls, (void)id;
    }
};

}  // namespace kvx
