#pragma once
// A desktop without windows: boxes become one line on standard error and are
// answered OK. It stands in until a real desktop is made current and serves
// command-line use.

#include <deque>

#include "platform/desktop.h"

namespace kvx {

class ConsoleDesktop : public Desktop {
public:
    BoxResult showMessageBox(const MessageBoxRequest& box) override;
    // Nobody to ask: every dialog counts as cancelled.
    std::optional<std::string> askFileName(const FileDialogRequest&) override { return std::nullopt; }
    // No clipboard without a desktop.
    bool setClipboard(const std::vector<ClipboardFormat>&) override { return false; }
    ScreenSize screenSize() override;
    std::string workingDirectory() override;
    int processOneMessage() override;
    // Without a display there are no windows: createWindow gives none.
    std::unique_ptr<NativeWindow> createWindow(WindowEventSink& sink, const WindowRect& rect,
                                               const WindowOptions& options) override;
    // No pictures without a toolkit to draw them.
    std::unique_ptr<PictureFile> createPictureFile(PictureFormat, const std::string&, int, int,
                                                   std::string_view) override
    {
        return nullptr;
    }
    // No printer to print on, and no box to show.
    std::unique_ptr<PrintJob> startPrintJob(std::string_view) override { return nullptr; }
    std::unique_ptr<PrintCancelBox> showPrintCancelBox(NativeWindow&, std::string_view) override
    {
        return nullptr;
    }
    // Nobody to answer a dialog.
    int runDialog(NativeWindow*, const DialogTemplate&, DialogHandler&) override { return -1; }
    // Runs the posted tasks until none is left or quit was posted.
    int runMessageLoop() override;
    void postQuit(int code) override;
    void postTask(std::function<void()> task) override;
    bool controlKeyDown() override { return false; }
    bool shiftKeyDown() override { return false; }

private:
    std::deque<std::function<void()>> tasks_;
    std::optional<int> quitCode_;
    std::optional<std::string> readUserValue(std::string_view key,
                                             std::string_view name) override;
};

}  // namespace kvx
