#include <optional>
#include <string>

#include "dialogs/figure_paper_box.h"
#include "model/app_context.h"
#include "render/figure_output.h"
#include "render/output_dress.h"
#include "window/command_groups.h"
#include "app/commands.h"
#include "window/file_dialogs.h"

namespace kvx {

namespace {

// "Save Figure": an EMF by default; SVG, PDF and PNG by the typed extension
// or the chosen filter, which gives a name without one its extension.
std::optional<std::string> askFigureFileName(Plot& plot)
{
    return askSaveFileName(plot, "Save Figure", "Kurvex Enhanced Metafiles", "emf", true,
                           {{"Scalable Vector Graphics (*.svg)", "*.svg"},
                            {"Portable Document Format (*.pdf)", "*.pdf"},
                            {"Portable Network Graphics (*.png)", "*.png"}});
}

void saveFigureWithDialog(Plot& plot, int16_t mode, int size)
{
    const std::optional<std::string> path = askFigureFileName(plot);
    if (!path) {
        return;
    }
    std::string reason;
    if (!saveFigure(plot, mode, size, *path, pictureFormatOf(*path).value_or(PictureFormat::Emf), &reason)) {
        warnWriteFailure(plot, *path, reason);
    }
}

// "On Paper ...": the size and dots per inch first, then the file.
void saveFigureOnPaper(Plot& plot)
{
    DialogChoices& last = dialogChoices();
    FigureSize size{last.figureWidth, last.figureHeight, last.figureWidthMm, last.figureHeightMm,
                    static_cast<double>(last.figureDpi)};
    if (!askFigurePaper(plot, size)) {
        return;
    }
    last.figureWidthMm = size.widthMm;
    last.figureHeightMm = size.heightMm;
    last.figureWidth = size.width;
    last.figureHeight = size.height;
    last.figureDpi = static_cast<int>(size.dpi);
    const std::optional<std::string> path = askFigureFileName(plot);
    if (!path) {
        return;
    }
    std::string reason;
    if (!paintFigureFile(plot, OUTPUT_COLORED, pictureFormatOf(*path).value_or(PictureFormat::Emf), *path, size,
                         &reason)) {
        warnWriteFailure(plot, *path, reason);
    }
}

}  // namespace

CommandOutcome figureCommand(Plot& plot, uint16_t command)
{
    const int fullScreen = plot.screenWidth();
    switch (command) {
    case CMD_SAVE_FIGURE_BLACK_WHITE: saveFigureWithDialog(plot, OUTPUT_BLACK_WHITE, 0); break;
    case CMD_SAVE_FIGURE_COLORED: saveFigureWithDialog(plot, OUTPUT_COLORED, 0); break;
    case CMD_SAVE_FIGURE_FULL_SCREEN: saveFigureWithDialog(plot, OUTPUT_COLORED, fullScreen); break;
    case CMD_SAVE_FIGURE_ON_PAPER: saveFigureOnPaper(plot); break;
    case CMD_COPY_BLACK_WHITE: copyFigure(plot, OUTPUT_BLACK_WHITE, 0); break;
    case CMD_COPY_COLORED: copyFigure(plot, OUTPUT_COLORED, 0); break;
    case CMD_COPY_FULL_SCREEN: copyFigure(plot, OUTPUT_COLORED, fullScreen); break;
    default: return CommandOutcome::NotMine;
    }
    return CommandOutcome::Done;
}

}  // namespace kvx
