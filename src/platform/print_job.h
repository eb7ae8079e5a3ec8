#pragma once
// One document on a printer, and the box that lets the user cancel it. The
// core draws a page on the job's surface in the printer's pixels; the
// desktop hands the finished document to the printing system.

#include <string>

#include "platform/surface.h"

namespace kvx {

class PrintJob {
public:
    virtual ~PrintJob() = default;

    // The printable area of a page, in the printer's pixels and millimetres.
    virtual DeviceSize pageSize() = 0;
    // Starts the next page (the first one starts the document); false when
    // the printing system refuses it.
    virtual bool startPage() = 0;
    // The page started last; drawn on only between startPage and endPage.
    virtual Surface& page() = 0;
    virtual bool endPage() = 0;
    // Ends the document and hands it to the printing system.
    virtual bool finish() = 0;
    // Throws the document away: nothing of it is printed or written.
    virtual void abort() = 0;
    // Why the last step was refused, in the system's words.
    virtual std::string error() const = 0;
};

// The modeless box shown while a document prints: the text "Cancel
// Printing" and a "Cancel" button. Pressing the button (or closing the box
// in any other way) cancels and takes the box down; destroying the object
// takes it down as well.
class PrintCancelBox {
public:
    virtual ~PrintCancelBox() = default;
    virtual bool cancelled() const = 0;
};

}  // namespace kvx
