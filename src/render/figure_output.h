#pragma once
// Figures: the picture of a plot written to a file (EMF, SVG, PDF or PNG) or
// put on the clipboard, in colour or black and white, at the window's size
// or enlarged. The plot is dressed for the output and put back afterwards,
// and the picture is painted with a view of its own, so the window shows
// exactly what it showed before.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/framed_plot.h"
#include "platform/picture_file.h"

namespace kvx {

// The picture format a file name asks for by its extension, in any letter
// case: emf, svg, pdf, png. Nothing for another extension or none.
std::optional<PictureFormat> pictureFormatOf(std::string_view path);

struct FigureSize {
    int width = 0;  // pixels
    int height = 0;
    double widthMm = 0.0;  // asked for on paper; 0: the pixels at 96 an inch
    double heightMm = 0.0;
    // A PNG's pixels per inch. Its lines, text and distances grow with it,
    // so that text keeps its size in points.
    double dpi = screenDpi;

    static constexpr double screenDpi = 96.0;
};

// "800x600" in pixels, or "90x60mm" and "3.5x2.5in" on paper (each side
// above 0 and at most a metre): sets the pixels or the millimetres of
// `size` and clears the others. False, with `size` as it was, for other text.
bool parseFigureSize(std::string_view text, FigureSize& size);
// "300": pixels per inch from 10 to 2400.
bool parseFigureDpi(std::string_view text, int& dpi);

// A figure of a size on paper, in pixels at `dpi` for PNG and at 96 an inch
// for the vector formats (whose text and lines keep their sizes in points).
FigureSize paperFigureSize(double widthMm, double heightMm, double dpi, PictureFormat format);

// The client size, or with `size` > 0 the larger side becomes `size` and
// the other follows in proportion (truncated); of two equal sides the
// height follows.
FigureSize figureSize(int clientWidth, int clientHeight, int size);

// What a figure file says it shows: "Kvx - " and the window title.
std::string figureDescription(const BaseWindow& frame);

// Paints the plot in `mode` (OUTPUT_COLORED, OUTPUT_BLACK_WHITE) into a new
// picture file of the format and size (on paper where it gives millimetres). False when it could not be
// written, with the reason; a file of that name from before then stays.
bool paintFigureFile(FramedPlot plot, int16_t mode, PictureFormat format, const std::string& path, FigureSize pixels,
                     std::string* reason = nullptr);

// "Save Figure": the picture at the window's size (`size` 0) or enlarged.
bool saveFigure(FramedPlot plot, int16_t mode, int size, const std::string& path, PictureFormat format,
                std::string* reason = nullptr);

// "Copy (to Clipboard)": the clipboard gets the figure as EMF, SVG and PNG,
// each format the desktop can make. False when it got none.
bool copyFigure(FramedPlot plot, int16_t mode, int size);

}  // namespace kvx
