#pragma once
// The box "Mouse and Keys" of the Help menu: every gesture and key of a
// plot window and what it does, closed with OK.

#include "app/base_window.h"
#include "platform/message_box.h"

namespace kvx {

// The box as it is shown, owned by `window`.
MessageBoxRequest mouseAndKeysBox(const BaseWindow& window);
void showMouseAndKeys(const BaseWindow& window);

}  // namespace kvx
