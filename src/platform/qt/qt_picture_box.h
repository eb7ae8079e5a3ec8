#pragma once
// A modal box that shows a picture besides its icon and text, as the About
// box shows the bitmap "BMP_KURVEX"; closed with its OK button.

#include <QWidget>

#include "platform/message_box.h"

namespace kvx {

// Shows `box` owned by `owner` (none: owned by no window) and returns Ok.
BoxResult showPictureBox(const MessageBoxRequest& box, QWidget* owner);

}  // namespace kvx
