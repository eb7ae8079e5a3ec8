#pragma once
// Batch mode's printing: the first plot printed as the default printer would
// print it, onto a page of a PDF file instead.

#include <string>

#include "editions/batch_export.h"
#include "window/plot.h"

namespace kvx {

// Prints `plot` in colour with its printFactor, as a window whose client
// area is width x height (the plot's window size when 0), onto an A4 page of
// the PDF file `path`. A file of that name from before stays as it was
// unless the new one was written completely.
ExportResult printToPdf(Plot& plot, const std::string& path, int width, int height);

}  // namespace kvx
