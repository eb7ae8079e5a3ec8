#include "window/print_abort.h"

#include "platform/desktop.h"

namespace kvx {

namespace {

// A queue that never runs dry (a timer due at once, again and again) must
// not hold the print forever.
constexpr int maxMessagesPerStep = 1000;

}  // namespace

PrintAbort::PrintAbort(Plot& plot) : window_(plot.nativeWindow())
{
    if (window_) {
        window_->setEnabled(false);
        box_ = Desktop::current().showPrintCancelBox(*window_, plot.windowTitle());
    }
}

PrintAbort::~PrintAbort()
{
    release();
}

void PrintAbort::release()
{
    box_.reset();
    if (window_) {
        window_->setEnabled(true);
        window_ = nullptr;
    }
}

bool PrintAbort::keepGoing()
{
    Desktop& desktop = Desktop::current();
    for (int i = 0; i < maxMessagesPerStep && !cancelled_ && desktop.processOneMessage() != 0; ++i) {
        cancelled_ = box_ && box_->cancelled();
    }
    cancelled_ = cancelled_ || (box_ && box_->cancelled());
    if (cancelled_) {
        release();  // as soon as the button is heard, not at the end of the print
    }
    return !cancelled_;
}

}  // namespace kvx
