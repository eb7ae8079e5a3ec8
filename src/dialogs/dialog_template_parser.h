#pragma once
// Reads dialog templates from their text form (resources/dialogs/):
//
//   dialog NAME "Caption"
//     group "Title" at ROW COL [span ROWS COLS]
//       label "xMin:" for 812 at 0 0
//       field 812 at 0 1 [width CHARS] [readonly]
//     end
//     row at 2 0 span 1 2
//       button 1 "OK" default
//     end
//   end
//
// Kinds: label field list multilist drawnlist check radio button picture
// group row. A number after the kind is the control id, a quoted text its
// caption. Options: at R C, span R C, for ID, readonly, default, tabs N
// (dialog units), size W H (pixels), width N, rows N, limit N (characters).
// In quoted texts \n is a line break and a backslash keeps the next character. Lines starting with #
// are comments. The children of a row take no place of their own.

#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog_template.h"

namespace kvx {

struct ParsedDialogs {
    std::vector<DialogTemplate> dialogs;
    std::string error;  // "line N: what" for the first fault; empty when all was read
};

ParsedDialogs parseDialogTemplates(std::string_view text);

}  // namespace kvx
