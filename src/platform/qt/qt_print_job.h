#pragma once
// Print jobs with Qt's print support: the desktop's default printer (CUPS),
// and a printer that puts its pages into a PDF file (batch mode, tests).
// Toolkit-free, so that the program entries can make them.

#include <memory>
#include <string>
#include <string_view>

#include "platform/print_job.h"

namespace kvx {

// A document for the desktop's default printer; null when there is none.
std::unique_ptr<PrintJob> createDefaultPrinterJob(std::string_view documentName);

// A document whose pages go into the PDF file `path` as a printer would get
// them: A4 portrait at 600 dots per inch. The file is written on finish()
// and replaces an older one only when it was written completely.
std::unique_ptr<PrintJob> createPdfPrintJob(const std::string& path, std::string_view documentName);

}  // namespace kvx
