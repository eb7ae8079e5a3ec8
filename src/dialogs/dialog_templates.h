#pragma once
// The dialog templates of resources/dialogs/, compiled into the program.

#include <string_view>

#include "platform/dialog_template.h"

namespace kvx {

// The text of every template file, one after the other, with the control
// ids in place of their names.
std::string_view dialogTemplatesText();

// The template named `name` (its resource name, e.g. "LablesBox"); null when
// there is none.
const DialogTemplate* dialogTemplate(std::string_view name);

}  // namespace kvx
