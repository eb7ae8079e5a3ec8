#include "dialogs/plot_dialog.h"

#include "dialogs/dialog_templates.h"
#include "window/plot.h"
#include "model/plot_busy.h"
#include "platform/desktop.h"

namespace kvx {

int runPlotDialog(Plot& plot, std::string_view name, DialogHandler& handler)
{
    const DialogTemplate* dialog = dialogTemplate(name);
    if (!dialog) {
        return -1;
    }
    // Another window may end the session while the dialog is open; the
    // guard keeps this plot until the dialog's caller is done with it.
    const PlotBusy busy(plot);
    const PlotBusy::PaintAllowed paint(plot);
    return Desktop::current().runDialog(plot.nativeWindow(), *dialog, handler);
}

}  // namespace kvx
