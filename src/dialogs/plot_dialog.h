#pragma once
// Runs a dialog of a plot window: modal to the window, with the plot held
// against closing while the dialog is open.

#include <string_view>

#include "dialogs/dialog_plot.h"
#include "platform/dialog_handler.h"

namespace kvx {


// Shows the dialog with resource name `name` for `plot` and returns the
// result its logic ended it with; -1 when it could not be shown. The plot
// repaints behind the dialog, takes no other input meanwhile, and a close
// asked for while the dialog is open happens after it.
int runPlotDialog(DialogPlot plot, std::string_view name, DialogHandler& handler);

}  // namespace kvx
