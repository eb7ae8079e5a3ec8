#pragma once
// The application-wide services of the desktop the programs run on. The core
// talks only to this interface; the Qt side implements it and tests use a
// recording double. The application context makes one desktop current for
// the whole run (see CurrentPart).

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clipboard_format.h"
#include "platform/dialog_handler.h"
#include "platform/dialog_template.h"
#include "platform/file_watch.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/native_window.h"
#include "platform/picture_file.h"
#include "platform/print_job.h"

namespace kvx {

struct ScreenSize {
    int width = 0;
    int height = 0;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // Shows a modal box and returns the button the user chose.
    virtual BoxResult showMessageBox(const MessageBoxRequest& box) = 0;

    // Shows a modal file dialog; the chosen path, or nothing when the user
    // cancelled. The folder of a chosen file becomes the working directory.
    virtual std::optional<std::string> askFileName(const FileDialogRequest& request) = 0;

    // Replaces what the clipboard holds with these formats of one thing;
    // false when there is no clipboard.
    virtual bool setClipboard(const std::vector<ClipboardFormat>& formats) = 0;

    // The resolution of the (primary) display in pixels.
    virtual ScreenSize screenSize() = 0;

    // The process's current working directory.
    virtual std::string workingDirectory() = 0;

    // A string value of the per-user key store, for instance the value
    // "homeDir" of the key "Kurvex/1.x/Settings"; nothing when the key or
    // the value does not exist.
    virtual std::optional<std::string> readUserValue(std::string_view key,
                                                     std::string_view name) = 0;

    // A new top-level window at `rect` (outer geometry), not yet shown,
    // whose messages go to `sink`. Null when no window can be made.
    virtual std::unique_ptr<NativeWindow> createWindow(WindowEventSink& sink, const WindowRect& rect,
                                                       const WindowOptions& options) = 0;

    // A picture of width by height pixels to be written to `path` in the
    // format; the title goes into the document's metadata where the format
    // has any. Null where the desktop cannot draw pictures.
    virtual std::unique_ptr<PictureFile> createPictureFile(PictureFormat format, const std::string& path,
                                                           int width, int height, std::string_view title) = 0;

    // A document named `documentName` for the desktop's default printer;
    // nothing when there is no default printer.
    virtual std::unique_ptr<PrintJob> startPrintJob(std::string_view documentName) = 0;
    // The cancel box of a document that prints, owned by `owner`, with
    // `caption`; it stays up, without holding the other windows, until it
    // is cancelled or destroyed. Null where the desktop shows no windows.
    virtual std::unique_ptr<PrintCancelBox> showPrintCancelBox(NativeWindow& owner,
                                                               std::string_view caption) = 0;

    // Shows `dialog`, modal to `owner` (null: to the whole program), until
    // its logic ends it; the result given to endDialog, or -1 where no
    // dialog can be shown.
    virtual int runDialog(NativeWindow* owner, const DialogTemplate& dialog, DialogHandler& handler) = 0;

    // Dispatches messages until postQuit; returns the quit code.
    virtual int runMessageLoop() = 0;
    virtual void postQuit(int code) = 0;
    // Runs `task` once the current message is done.
    virtual void postTask(std::function<void()> task) = 0;

    virtual bool controlKeyDown() = 0;
    virtual bool shiftKeyDown() = 0;

    // Dispatches every window message that is waiting, never waiting for
    // more, so that windows stay responsive during long work; returns 0 when
    // nothing was waiting. The toolkit hands its events over in batches, so
    // "one" step may handle several messages, a resize among them.
    virtual int processOneMessage() = 0;
    // Waits up to `milliseconds` for window messages and dispatches those
    // that come, so that a loop with nothing to do sleeps instead of asking
    // again at once. A desktop whose messages never come by themselves
    // returns at once.
    virtual void waitForMessages(int /*milliseconds*/) {}

    // A watch whose `changed` runs from the message loop, some time after a
    // watched file changed, at most once per burst of changes. Null where
    // the desktop has no message loop to run it from.
    virtual std::unique_ptr<FileWatch> watchFiles(std::function<void()> /*changed*/) { return nullptr; }

    // The current desktop. Before any is made current a quiet fallback
    // answers: it prints boxes to standard error and answers OK.
    static Desktop& current();
};

}  // namespace kvx
