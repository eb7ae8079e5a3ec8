#pragma once
// Picture files drawn with Qt: PNG (the raster surface), PDF (QPdfWriter at
// 96 dpi, a page of the picture's size, fonts embedded) and SVG (the
// system's SVG writer with Qt's text measurement). Toolkit-free, so that the
// program entries can create them without including Qt.

#include <memory>
#include <string>
#include <string_view>

#include "platform/picture_file.h"
#include "platform/surface.h"

namespace kvx {

// A picture of width by height pixels written to `path` on finish(). The
// title goes into the document's metadata where the format has any (PDF
// title, SVG <title>). A file that cannot be created makes finish() fail.
std::unique_ptr<PictureFile> createPictureFile(PictureFormat format, std::string path, int width,
                                               int height, std::string_view title = {});

// Qt's text measurement, for the vector writers.
std::unique_ptr<TextMeasurer> createTextMeasurer();

}  // namespace kvx
