#pragma once
// What the user sees while a plot prints: its window disabled and the box
// "Cancel Printing" in front of it. Between the steps of the print the
// messages waiting are dispatched, so that the other windows keep
// repainting and the box's button is heard.

#include <memory>

#include "window/plot.h"
#include "platform/print_job.h"

namespace kvx {

class PrintAbort {
public:
    // Disables the plot's window and shows the box with the plot's title.
    explicit PrintAbort(Plot& plot);
    // Enables the window and takes the box down, unless the user's cancel
    // has done so already.
    ~PrintAbort();
    PrintAbort(const PrintAbort&) = delete;
    PrintAbort& operator=(const PrintAbort&) = delete;

    // Dispatches what is waiting; false once the user has cancelled.
    bool keepGoing();
    bool cancelled() const { return cancelled_; }

private:
    void release();

    NativeWindow* window_;
    std::unique_ptr<PrintCancelBox> box_;
    bool cancelled_ = false;
};

}  // namespace kvx
