#pragma once
// "Handle Graphs": the graphs of a plot beside the graph clipboard, with
// copies moved between them and graphs deleted from either side.

#include "dialogs/dialog_plot.h"
#include "platform/dialog_handler.h"

namespace kvx {

class GraphClipboard;

class HandleGraphsBox : public DialogHandler {
public:
    HandleGraphsBox(DialogPlot plot, GraphClipboard& clipboard);

    void opened(DialogControls& controls) override;
    void controlUsed(DialogControls& controls, int id, ControlEvent event) override;

private:
    void deletePlotGraphs(DialogControls& controls);
    void deleteClipboardGraphs(DialogControls& controls);
    void copyToClipboard(DialogControls& controls);
    void copyToPlot(DialogControls& controls);
    // The warning when a side holds the most graphs it can.
    void warnFull() const;

    PlotModel& plot_;
    DialogPlot owner_;  // the window the box belongs to
    GraphClipboard& clipboard_;
};

// Shows the dialog for `plot` with the program's graph clipboard.
void showHandleGraphsBox(DialogPlot plot);

}  // namespace kvx
