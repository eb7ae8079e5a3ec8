#include "render/print_page.h"

#include "app/base_window.h"
#include "model/plot_busy.h"
#include "render/output_dress.h"
#include "render/page_scale.h"
#include "render/plot_painter.h"

namespace kvx {

std::string printDocumentName(const BaseWindow& window)
{
    std::string name = "Kurvex #" + std::to_string(window.plotNumber());
    if (window.windowTitle() != "Kurvex") {
        name += ": " + window.windowTitle();
    }
    return name;
}

PrintResult printPage(PlotModel& plot, PrintJob& job, int16_t mode, double factor, int clientWidth,
                      int clientHeight, const std::function<bool()>& keepGoing)
{
    auto stop = [&job](PrintResult result) {
        job.abort();
        return result;
    };
    // Other windows repaint between the steps; this plot's window waits
    // with its old picture, and its commands and close wait for the end.
    const PlotBusy busy(plot);
    if (!job.startPage()) {
        return stop(PrintResult::Failed);
    }
    const PageScale scale = pageScale(clientWidth, clientHeight, job.pageSize());
    if (!scale.fits()) {
        return stop(PrintResult::Failed);
    }
    if (!keepGoing()) {
        return stop(PrintResult::Aborted);
    }
    {
        // Dressed for paper only while the page is drawn: the messages
        // dispatched between the steps never meet the dressed plot.
        const OutputDress dress(plot, mode);
        scaleLines(plot, scale.lineScale(factor));
        paintOutput(job.page(), plot, scale.width, scale.height);
    }
    if (!keepGoing()) {
        return stop(PrintResult::Aborted);
    }
    if (!job.endPage()) {
        return stop(PrintResult::Failed);
    }
    if (!keepGoing()) {
        return stop(PrintResult::Aborted);
    }
    if (!job.finish()) {
        return PrintResult::Failed;
    }
    return PrintResult::Printed;
}

}  // namespace kvx
