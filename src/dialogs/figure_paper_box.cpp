#include "dialogs/figure_paper_box.h"

#include <cmath>
#include <cstdio>

#include "app/errors.h"
#include "dialogs/control_ids.h"
#include "dialogs/plot_dialog.h"

namespace kvx {

namespace {

// "90x60mm" for a size on paper, "640x520" for pixels.
std::string sizeText(const FigureSize& size)
{
    if (!(size.widthMm > 0.0)) {
        return std::to_string(size.width) + "x" + std::to_string(size.height);
    }
    char text[64];
    std::snprintf(text, sizeof text, "%gx%gmm", size.widthMm, size.heightMm);
    return text;
}

}  // namespace

void FigurePaperBox::opened(DialogControls& controls)
{
    controls.setText(IDC_FIGURE_SIZE, sizeText(size_));
    controls.setText(IDC_FIGURE_DPI, std::to_string(std::lround(size_.dpi)));
    controls.selectAllText(IDC_FIGURE_SIZE);
    controls.setFocus(IDC_FIGURE_SIZE);
}

void FigurePaperBox::accept(DialogControls& controls)
{
    FigureSize typed = size_;
    int dpi = 0;
    if (!parseFigureSize(controls.text(IDC_FIGURE_SIZE), typed)) {
        reportError(ERR_MESSAGE, "The size is WIDTHxHEIGHT in pixels, mm or in,\nsuch as 800x600, 90x60mm or 3.5x2.5in!",
                    true, owner_.frame.nativeWindow());
        controls.setFocus(IDC_FIGURE_SIZE);
        return;
    }
    if (!parseFigureDpi(controls.text(IDC_FIGURE_DPI), dpi)) {
        reportError(ERR_MESSAGE, "The dots per inch lie between 10 and 2400!", true, owner_.frame.nativeWindow());
        controls.setFocus(IDC_FIGURE_DPI);
        return;
    }
    typed.dpi = dpi;
    size_ = typed;
    controls.endDialog(IDOK);
}

bool askFigurePaper(DialogPlot plot, FigureSize& size)
{
    FigurePaperBox box(plot, size);
    return runPlotDialog(plot, "FigurePaperBox", box) == IDOK;
}

}  // namespace kvx
