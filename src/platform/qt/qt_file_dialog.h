#pragma once
// The toolkit's own file dialog for the desktop's file questions.

#include <optional>
#include <string>

#include "platform/file_dialog.h"

class QWidget;

namespace kvx {

// Shows the dialog modal to `owner`; the chosen path, or nothing when
// cancelled. The chosen file's folder becomes the working directory.
std::optional<std::string> askQtFileName(const FileDialogRequest& request, QWidget* owner);

}  // namespace kvx
