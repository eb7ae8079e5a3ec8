#pragma once
// A plot dressed for one output (a printed page, a figure file, the
// clipboard) and put back as it was afterwards: black-and-white output takes
// the "PAPER" scheme and the "BLACK_ONLY" palette with 16 colours, and
// whatever the output changes besides (widths and sizes for a page) is
// undone with the settings block and every graph's style when the dress
// goes. The window never shows the dress: the output paints with a view of
// its own.

#include <cstdint>

#include "model/plot_model.h"
#include "settings/plot_settings.h"

namespace kvx {

constexpr int16_t OUTPUT_COLORED = 1300;
constexpr int16_t OUTPUT_BLACK_WHITE = 1301;

class OutputDress {
public:
    OutputDress(PlotModel& plot, int16_t mode);
    ~OutputDress();
    OutputDress(const OutputDress&) = delete;
    OutputDress& operator=(const OutputDress&) = delete;

private:
    PlotModel& plot_;
    PlotSettings settings_;
};

}  // namespace kvx
