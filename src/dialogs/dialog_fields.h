#pragma once
// The numeric fields of the dialogs and the graph lists they show.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/plot_model.h"
#include "platform/dialog_controls.h"

namespace kvx {

class GraphClipboard;

// Reads at most the first 19 characters of field `id` as a decimal number
// (leading blanks, a sign, a point, an exponent); an empty field reads as 0.
// A text that is not all one such number, or one too large for a double,
// selects the field's text, takes the focus there and leaves `value` as it
// was: false.
bool readDialogReal(DialogControls& dialog, int id, double& value);

// readDialogReal, truncated toward zero, of which the low 16 bits count as a
// signed number (70000 gives 4464). `value` changes only on success.
bool readDialogShort(DialogControls& dialog, int id, int16_t& value);

// The line of graph `number` in a dialog's graph list: "%d\t%s".
std::string graphListEntry(int number, std::string_view lable);
// One line per graph of the plot, or of the graph clipboard.
std::vector<std::string> graphListEntries(const PlotModel& plot);
std::vector<std::string> graphListEntries(const GraphClipboard& clipboard);
// The positions 0 to count - 1, for "Select All" of a list.
std::vector<int> allEntries(int count);

}  // namespace kvx
