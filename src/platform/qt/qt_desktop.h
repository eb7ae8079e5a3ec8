#pragma once
// The desktop on Qt Widgets: modal message boxes, the working directory and
// the per-user key store. In batch mode boxes go to standard error instead.

#include "platform/desktop.h"

namespace kvx {

class QtDesktop : public Desktop {
public:
    explicit QtDesktop(bool batch) : batch_(batch) {}

    BoxResult showMessageBox(const MessageBoxRequest& box) override;
    std::optional<std::string> askFileName(const FileDialogRequest& request) override;
    bool setClipboard(const std::vector<ClipboardFormat>& formats) override;
    ScreenSize screenSize() override;
    std::string workingDirectory() override;
    int processOneMessage() override;
    void waitForMessages(int milliseconds) override;
    std::unique_ptr<NativeWindow> createWindow(WindowEventSink& sink, const WindowRect& rect,
                                               const WindowOptions& options) override;
    std::unique_ptr<PictureFile> createPictureFile(PictureFormat format, const std::string& path, int width,
                                                   int height, std::string_view title) override;
    std::unique_ptr<PrintJob> startPrintJob(std::string_view documentName) override;
    std::unique_ptr<PrintCancelBox> showPrintCancelBox(NativeWindow& owner, std::string_view caption) override;
    int runDialog(NativeWindow* owner, const DialogTemplate& dialog, DialogHandler& handler) override;
    int runMessageLoop() override;
    // Runs the tasks still waiting in the queue (end of the program).
    void runPostedTasks();
    void postQuit(int code) override;
    void postTask(std::function<void()> task) override;
    std::unique_ptr<FileWatch> watchFiles(std::function<void()> changed) override;
    bool controlKeyDown() override;
    bool shiftKeyDown() override;
    std::optional<std::string> readUserValue(std::string_view key,
                                             std::string_view name) override;

    bool batch() const { return batch_; }

private:
    bool batch_;
};

}  // namespace kvx
