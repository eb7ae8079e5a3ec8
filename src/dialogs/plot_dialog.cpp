#include "dialogs/plot_dialog.h"

#include "dialogs/dialog_templates.h"
#include "dialogs/dialog_plot.h"
#include "model/plot_busy.h"
#include "platform/desktop.h"

namespace kvx {

int runPlotDialog(DialogPlot plot, std::string_view name, DialogHandler& handler)
{
    const DialogTemplate* dialog = dialogTemplate(name);
    if (!dialog) {
        return -1;
    }
    // Another window may end the session while the dialog is open; the
    // guard keeps this plot until the dialog's caller is done with it.
    const PlotBusy busy(plot.model);
    const PlotBusy::PaintAllowed paint(plot.model);
    return Desktop::current().runDialog(plot.frame.nativeWindow(), *dialog, handler);
}

}  // namespace kvx
