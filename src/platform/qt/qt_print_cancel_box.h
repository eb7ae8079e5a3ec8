#pragma once
// The box "PrintDlgBox" on Qt: a modeless dialog in front of the window
// that prints, with the text "Cancel Printing" and a "Cancel" button, and
// no close button of its own (Escape cancels as the button does).

#include <memory>
#include <string_view>

#include "platform/print_job.h"

class QWidget;

namespace kvx {

std::unique_ptr<PrintCancelBox> showQtPrintCancelBox(QWidget* owner, std::string_view caption);

}  // namespace kvx
