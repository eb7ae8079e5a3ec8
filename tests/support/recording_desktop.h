#pragma once
// A desktop for tests: records every box, answers from a script, and serves a
// working directory and per-user values that the test sets.

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/current_part.h"
#include "platform/desktop.h"
#include "support/recording_dialog_controls.h"
#include "support/recording_surface.h"

namespace kvx::test {

struct RecordedPicture {
    std::string path;
    PictureFormat format;
    int width;
    int height;
    std::string title;
    std::vector<std::string> calls;  // what was drawn, as the recording surface words it
};

// One document sent to the recording desktop's printer: its steps in order
// ("startPage", "endPage", "finish", "abort") and the page drawn.
struct PrintedDocument {
    std::string name;
    std::vector<std::string> steps;
    RecordingSurface page;
};

// One cancel box: the test presses "Cancel" by setting `cancelled`.
struct CancelBoxRecord {
    std::string caption;
    NativeWindow* owner = nullptr;
    bool shown = true;
    bool cancelled = false;
};

class RecordingDesktop : public Desktop {
public:
    std::vector<MessageBoxRequest> boxes;
    // Answers in order; when the script is empty an OK box answers Ok and a
    // Yes/No box answers Yes.
    std::deque<BoxResult> answers;
    std::string workingDir = ".";
    std::map<std::pair<std::string, std::string>, std::string> userValues;

    ScreenSize screen{1024, 768};

    BoxResult showMessageBox(const MessageBoxRequest& box) override;
    // Every file dialog shown; answered in order from fileAnswers (nothing:
    // cancelled). A chosen file's folder becomes the working directory.
    std::vector<FileDialogRequest> fileDialogs;
    std::deque<std::optional<std::string>> fileAnswers;
    std::optional<std::string> askFileName(const FileDialogRequest& request) override;
    // What the clipboard holds now.
    std::vector<ClipboardFormat> clipboard;
    bool setClipboard(const std::vector<ClipboardFormat>& formats) override
    {
        clipboard = formats;
        return true;
    }
    int processedMessages = 0;
    // Messages that arrive during long work: processOneMessage delivers the
    // first one waiting.
    std::deque<std::function<void()>> waitingMessages;
    std::deque<std::function<void()>> tasks;
    std::optional<int> quitCode;
    bool control = false;
    bool shift = false;
    // Every window made, in order; the plot windows own them.
    std::vector<class RecordingNativeWindow*> windows;
    bool refuseWindows = false;

    // The default printer's page; none: no default printer.
    std::optional<DeviceSize> printerPage;
    // The step that the printer refuses ("startPage", "endPage", "finish").
    std::string refusedPrintStep;
    std::deque<PrintedDocument> printedDocuments;
    std::deque<CancelBoxRecord> cancelBoxes;
    std::unique_ptr<PrintJob> startPrintJob(std::string_view documentName) override;
    std::unique_ptr<PrintCancelBox> showPrintCancelBox(NativeWindow& owner, std::string_view caption) override;

    // Every dialog shown, with its owner and the controls as the dialog
    // left them.
    struct DialogRun {
        std::string name;
        NativeWindow* owner;
        RecordingDialogControls controls;
    };
    std::vector<DialogRun> dialogRuns;
    // What the user does in the next dialogs, in order. A dialog that its
    // script leaves open (or that has none) gets Escape; one that stays open
    // after that returns -1.
    using DialogScript = std::function<void(RecordingDialogControls&, DialogHandler&)>;
    std::deque<DialogScript> dialogScripts;
    int runDialog(NativeWindow* owner, const DialogTemplate& dialog, DialogHandler& handler) override;

    ScreenSize screenSize() override { return screen; }
    int processOneMessage() override
    {
        ++processedMessages;
        if (waitingMessages.empty()) {
            return 0;
        }
        const auto message = std::move(waitingMessages.front());
        waitingMessages.pop_front();
        message();
        return 1;
    }
    std::unique_ptr<NativeWindow> createWindow(WindowEventSink& sink, const WindowRect& rect,
                                               const WindowOptions& options) override;
    // Pictures drawn on recording surfaces; each finished one is listed.
    std::vector<RecordedPicture> finishedPictures;
    std::unique_ptr<PictureFile> createPictureFile(PictureFormat format, const std::string& path, int width,
                                                   int height, std::string_view title) override;
    // Runs the posted tasks; the loop ends when none is left or quit was posted.
    int runMessageLoop() override;
    void postQuit(int code) override { quitCode = code; }
    void postTask(std::function<void()> task) override { tasks.push_back(std::move(task)); }

    // The paths of the latest file watch and its callback, which a test
    // calls to say that files changed; whether it was asked to look again.
    std::vector<std::string> watchedPaths;
    std::function<void()> filesChanged;
    bool lookAgainAsked = false;
    std::unique_ptr<FileWatch> watchFiles(std::function<void()> changed) override;
    bool controlKeyDown() override { return control; }
    bool shiftKeyDown() override { return shift; }
    // Runs the tasks posted so far (deferred releases of closed windows).
    void runTasks();
    std::string workingDirectory() override { return workingDir; }
    std::optional<std::string> readUserValue(std::string_view key,
                                             std::string_view name) override;
};

// Makes a desktop current for the scope of a test that needs no context.
using ScopedDesktop = CurrentPart<Desktop>;

}  // namespace kvx::test
