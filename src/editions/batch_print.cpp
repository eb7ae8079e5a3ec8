#include "editions/batch_print.h"

#include "platform/qt/qt_print_job.h"
#include "render/output_dress.h"
#include "render/print_page.h"

namespace kvx {

ExportResult printToPdf(Plot& plot, const std::string& path, int width, int height)
{
    if (width <= 0 || height <= 0) {
        width = plot.xWinSize();
        height = plot.yWinSize();
    }
    const std::unique_ptr<PrintJob> job = createPdfPrintJob(path, printDocumentName(plot));
    const PrintResult result =
        printPage(plot, *job, OUTPUT_COLORED, plot.settings().printFactor, width, height, [] { return true; });
    if (result != PrintResult::Printed) {
        const std::string reason = job->error();
        return {false, "cannot write " + path + ": " + (reason.empty() ? "the page could not be printed" : reason)};
    }
    return {true, {}};
}

}  // namespace kvx
