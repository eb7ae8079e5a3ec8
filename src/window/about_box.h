#pragma once
// The About box of the Help menu: the program's icon, its bitmap, what it
// is and its version, closed with OK.

#include "app/base_window.h"
#include "platform/message_box.h"

namespace kvx {

// The box as it is shown, owned by `window`.
MessageBoxRequest aboutBox(const BaseWindow& window);
void showAbout(const BaseWindow& window);

}  // namespace kvx
