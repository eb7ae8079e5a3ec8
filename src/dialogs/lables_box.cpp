#include "dialogs/lables_box.h"

#include "dialogs/control_ids.h"
#include <string>

#include "dialogs/plot_dialog.h"
#include "dialogs/dialog_plot.h"
#include "platform/utf8_text.h"

namespace kvx {

namespace {

constexpr int axesTitleField = IDC_AXES_TITLE;
constexpr int xLableField = IDC_X_LABLE;
constexpr int yLableField = IDC_Y_LABLE;
constexpr int windowTitleField = IDC_WINDOW_TITLE;

// A pasted text may be longer than the field allows; it is cut at a
// character boundary so that no label ends in half a character.
std::string fieldText(const DialogControls& controls, int id)
{
    const std::string text = controls.text(id);
    return std::string(cutAtCharacter(text, LablesBox::maxTextLength));
}

}  // namespace

void LablesBox::opened(DialogControls& controls)
{
    controls.setText(xLableField, plot_.xLable());
    controls.setText(yLableField, plot_.yLable());
    controls.setText(axesTitleField, plot_.axesTitle());
    controls.setText(windowTitleField, owner_.frame.windowTitle());
    controls.selectAllText(xLableField);
    controls.setFocus(xLableField);
}

void LablesBox::accept(DialogControls& controls)
{
    // An empty window title keeps the old one: the setter ignores it.
    owner_.frame.setTitle(fieldText(controls, windowTitleField));
    plot_.setLables(fieldText(controls, xLableField), fieldText(controls, yLableField),
                    fieldText(controls, axesTitleField));
    controls.endDialog(IDOK);
}

void showLablesBox(DialogPlot plot)
{
    LablesBox box(plot);
    runPlotDialog(plot, "LablesBox", box);
}

}  // namespace kvx
