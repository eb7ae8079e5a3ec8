#include "dialogs/handle_graphs_box.h"

#include "dialogs/control_ids.h"
#include <vector>

#include "app/errors.h"
#include "dialogs/dialog_fields.h"
#include "dialogs/plot_dialog.h"
#include "model/graph_clipboard.h"
#include "dialogs/dialog_plot.h"

namespace kvx {

namespace {

constexpr int ID_PLOT_LIST = IDC_GRAPH_LIST;
constexpr int ID_PLOT_SELECT_ALL = IDC_SELECT_ALL;
constexpr int ID_PLOT_DELETE = IDC_PLOT_DELETE;
constexpr int ID_CLIPBOARD_LIST = IDC_CLIPBOARD_LIST;
constexpr int ID_CLIPBOARD_SELECT_ALL = IDC_CLIPBOARD_SELECT_ALL;
constexpr int ID_CLIPBOARD_DELETE = IDC_CLIPBOARD_DELETE;
constexpr int ID_TO_CLIPBOARD = IDC_TO_CLIPBOARD;
constexpr int ID_TO_PLOT = IDC_TO_PLOT;

// Deletes the selected graphs of one side: all at once when every one is
// selected, else one by one from the last, so that the numbers of those
// still to go stay put.
template <typename RemoveAll, typename Remove>
void deleteSelected(DialogControls& controls, int list, int count, RemoveAll removeAll, Remove remove)
{
    const std::vector<int> selected = controls.selection(list);
    if (selected.empty()) {
        return;
    }
    if (static_cast<int>(selected.size()) == count) {
        removeAll();
        return;
    }
    for (auto entry = selected.rbegin(); entry != selected.rend(); ++entry) {
        remove(static_cast<int16_t>(*entry + 1));
    }
}

}  // namespace

HandleGraphsBox::HandleGraphsBox(DialogPlot plot, GraphClipboard& clipboard)
    : plot_(plot.model), owner_(plot), clipboard_(clipboard)
{
}

void HandleGraphsBox::opened(DialogControls& controls)
{
    controls.setEntries(ID_PLOT_LIST, graphListEntries(plot_));
    controls.setEntries(ID_CLIPBOARD_LIST, graphListEntries(clipboard_));
}

void HandleGraphsBox::deletePlotGraphs(DialogControls& controls)
{
    deleteSelected(
        controls, ID_PLOT_LIST, plot_.numGraphs(), [this] { plot_.removeAllGraphs(); },
        [this](int16_t i) { plot_.removeGraph(i); });
    controls.setEntries(ID_PLOT_LIST, graphListEntries(plot_));
}

void HandleGraphsBox::deleteClipboardGraphs(DialogControls& controls)
{
    deleteSelected(
        controls, ID_CLIPBOARD_LIST, clipboard_.count(), [this] { clipboard_.clear(); },
        [this](int16_t i) { clipboard_.remove(i); });
    controls.setEntries(ID_CLIPBOARD_LIST, graphListEntries(clipboard_));
}

void HandleGraphsBox::warnFull() const
{
    reportError(ERR_MESSAGE, "Too many graphs", true, owner_.frame.nativeWindow());
}

void HandleGraphsBox::copyToClipboard(DialogControls& controls)
{
    for (const int entry : controls.selection(ID_PLOT_LIST)) {
        // A full clipboard takes no more copies; the program goes on.
        if (clipboard_.count() >= GraphClipboard::maxGraphs) {
            warnFull();
            return;
        }
        const int16_t n = clipboard_.appendCopy(plot_.graph(entry + 1));
        controls.addEntry(ID_CLIPBOARD_LIST, graphListEntry(n, clipboard_.graph(n).lable()));
    }
}

void HandleGraphsBox::copyToPlot(DialogControls& controls)
{
    for (const int entry : controls.selection(ID_CLIPBOARD_LIST)) {
        // Other windows stay usable and may have emptied the clipboard since.
        if (entry >= clipboard_.count()) {
            break;
        }
        if (plot_.numGraphs() >= PlotModel::maxGraphs) {
            warnFull();
            return;
        }
        const int16_t n = plot_.addGraphCopy(clipboard_.graph(entry + 1));
        controls.addEntry(ID_PLOT_LIST, graphListEntry(n, plot_.graph(n).lable()));
    }
}

void HandleGraphsBox::controlUsed(DialogControls& controls, int id, ControlEvent event)
{
    (void)event;
    switch (id) {
    case ID_PLOT_SELECT_ALL:
    case ID_CLIPBOARD_SELECT_ALL: {
        const int list = id == ID_PLOT_SELECT_ALL ? ID_PLOT_LIST : ID_CLIPBOARD_LIST;
        controls.setSelection(list, allEntries(controls.entryCount(list)));
        break;
    }
    case ID_PLOT_DELETE: deletePlotGraphs(controls); break;
    case ID_CLIPBOARD_DELETE: deleteClipboardGraphs(controls); break;
    case ID_TO_CLIPBOARD: copyToClipboard(controls); break;
    case ID_TO_PLOT: copyToPlot(controls); break;
    case IDOK:
    case IDCANCEL: controls.endDialog(id); break;
    default: break;
    }
}

void showHandleGraphsBox(DialogPlot plot)
{
    HandleGraphsBox box(plot, GraphClipboard::instance());
    runPlotDialog(plot, "HandleGraphsBox", box);
}

}  // namespace kvx
