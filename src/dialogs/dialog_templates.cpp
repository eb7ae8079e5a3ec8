#include "dialogs/dialog_templates.h"

#include <algorithm>

#include "dialogs/dialog_template_parser.h"

namespace kvx {

const DialogTemplate* dialogTemplate(std::string_view name)
{
    // The text is part of the program and checked by the tests, so it
    // always reads.
    static const ParsedDialogs parsed = parseDialogTemplates(dialogTemplatesText());
    const auto found = std::find_if(parsed.dialogs.begin(), parsed.dialogs.end(),
                                    [&](const DialogTemplate& d) { return d.name == name; });
    return found == parsed.dialogs.end() ? nullptr : &*found;
}

}  // namespace kvx
