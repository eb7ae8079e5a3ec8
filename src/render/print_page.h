#pragma once
// One plot printed as a document of one page: the picture of its window
// enlarged to the page, its lines thickened by the page scale, in colour or
// black and white, painted with a view of its own so that the window keeps
// its picture, and the plot put back as it was.

#include <cstdint>
#include <functional>
#include <string>

#include "app/base_window.h"
#include "model/plot_model.h"
#include "platform/print_job.h"

namespace kvx {

enum class PrintResult { Printed, Failed, Aborted };

// "Kurvex #2: Velocity" for plot 2 titled Velocity; "Kurvex #1" for a plot
// whose title is exactly "Kurvex".
std::string printDocumentName(const BaseWindow& window);

// Prints `plot` on `job` as a window of clientWidth x clientHeight would
// show it, in `mode` (OUTPUT_COLORED or OUTPUT_BLACK_WHITE), with the line
// scale multiplied by `factor`. `keepGoing` runs between the steps and
// answers false once the user has cancelled; the job is then aborted. A
// refused step aborts the job as well. The plot is held busy throughout.
PrintResult printPage(PlotModel& plot, PrintJob& job, int16_t mode, double factor, int clientWidth,
                      int clientHeight, const std::function<bool()>& keepGoing);

}  // namespace kvx
