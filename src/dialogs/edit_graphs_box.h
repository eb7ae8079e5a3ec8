#pragma once
// "Edit Graphs": edits the style of one or several graphs of a plot at a
// time, deletes the empty graphs and numbers the colours anew.

#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/dialog_plot.h"
#include "platform/dialog_handler.h"

namespace kvx {


class EditGraphsBox : public DialogHandler {
public:
    explicit EditGraphsBox(DialogPlot plot);

    void opened(DialogControls& controls) override;
    void controlUsed(DialogControls& controls, int id, ControlEvent event) override;
    void drawEntry(Surface& surface, int id, int index, int width, int height) override;

private:
    void fillGraphList(DialogControls& controls);
    void select(DialogControls& controls, const std::vector<int>& entries);
    void loadFields(DialogControls& controls);
    void accept(DialogControls& controls);
    void deleteUnused(DialogControls& controls);
    void reorderColors(DialogControls& controls);

    // The colour entry of colour number c; -1 when no entry stands for it.
    int colorEntry(int16_t c) const;
    bool isScalePalette() const;
    // "%d:", or "%d+:" for the last colour of a scale.
    std::string colorEntryName(int index) const;
    void drawColorEntry(Surface& surface, int index, int width, int height) const;

    PlotModel& plot_;
    DialogPlot owner_;  // the window the box belongs to
    // The palette and its number of colours when the dialog opened: the
    // colour list has one entry per colour.
    int16_t palette_ = 0;
    int16_t numColors_ = 0;
    // 0-based list positions of the selected graphs, ascending.
    std::vector<int> selectedGraphs_;
};

void showEditGraphsBox(DialogPlot plot);

}  // namespace kvx
