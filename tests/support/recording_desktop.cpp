#include "support/recording_desktop.h"

#include "support/recording_native_window.h"
#include "support/recording_surface.h"

namespace kvx::test {

namespace {

class RecordingPicture final : public PictureFile {
public:
    RecordingPicture(std::vector<RecordedPicture>& finished, RecordedPicture picture)
        : finished_(finished), picture_(std::move(picture))
    {
        surface_.size.widthPixels = picture_.width;
        surface_.size.heightPixels = picture_.height;
    }
    Surface& surface() override { return surface_; }
    bool finish() override
    {
        picture_.calls = surface_.calls;
        finished_.push_back(picture_);
        return true;
    }
    std::string error() const override { return {}; }

private:
    std::vector<RecordedPicture>& finished_;
    RecordedPicture picture_;
    RecordingSurface surface_;
};

class RecordingPrintJob final : public PrintJob {
public:
    RecordingPrintJob(PrintedDocument& document, const std::string& refusedStep)
        : document_(document), refusedStep_(refusedStep)
    {
    }
    DeviceSize pageSize() override { return document_.page.size; }
    bool startPage() override { return step("startPage"); }
    Surface& page() override { return document_.page; }
    bool endPage() override { return step("endPage"); }
    bool finish() override { return step("finish"); }
    void abort() override { step("abort"); }
    std::string error() const override { return {}; }

private:
    bool step(const char* name)
    {
        document_.steps.emplace_back(name);
        return refusedStep_ != name;
    }

    PrintedDocument& document_;
    std::string refusedStep_;
};

class RecordingCancelBox final : public PrintCancelBox {
public:
    explicit RecordingCancelBox(CancelBoxRecord& record) : record_(record) {}
    ~RecordingCancelBox() override { record_.shown = false; }
    bool cancelled() const override { return record_.cancelled; }

private:
    CancelBoxRecord& record_;
};

// Hands the watched paths to its desktop; the callback stays there.
class RecordingFileWatch : public FileWatch {
public:
    explicit RecordingFileWatch(RecordingDesktop& desktop) : desktop_(desktop) {}
    ~RecordingFileWatch() override
    {
        desktop_.watchedPaths.clear();
        desktop_.filesChanged = nullptr;
    }
    void setPaths(const std::vector<std::string>& paths) override { desktop_.watchedPaths = paths; }
    void lookAgainSoon() override { desktop_.lookAgainAsked = true; }

private:
    RecordingDesktop& desktop_;
};

}  // namespace

std::unique_ptr<FileWatch> RecordingDesktop::watchFiles(std::function<void()> changed)
{
    filesChanged = std::move(changed);
    return std::make_unique<RecordingFileWatch>(*this);
}

std::unique_ptr<PrintJob> RecordingDesktop::startPrintJob(std::string_view documentName)
{
    if (!printerPage) {
        return nullptr;
    }
    PrintedDocument& document = printedDocuments.emplace_back();
    document.name = std::string(documentName);
    document.page.size = *printerPage;
    return std::make_unique<RecordingPrintJob>(document, refusedPrintStep);
}

std::unique_ptr<PrintCancelBox> RecordingDesktop::showPrintCancelBox(NativeWindow& owner, std::string_view caption)
{
    CancelBoxRecord& record = cancelBoxes.emplace_back();
    record.caption = std::string(caption);
    record.owner = &owner;
    return std::make_unique<RecordingCancelBox>(record);
}

std::unique_ptr<PictureFile> RecordingDesktop::createPictureFile(PictureFormat format, const std::string& path,
                                                                 int width, int height, std::string_view title)
{
    return std::make_unique<RecordingPicture>(finishedPictures,
                                              RecordedPicture{path, format, width, height, std::string(title), {}});
}

BoxResult RecordingDesktop::showMessageBox(const MessageBoxRequest& box)
{
    boxes.push_back(box);
    if (!answers.empty()) {
        const BoxResult answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return box.buttons == BoxButtons::YesNo ? BoxResult::Yes : BoxResult::Ok;
}

std::optional<std::string> RecordingDesktop::askFileName(const FileDialogRequest& request)
{
    fileDialogs.push_back(request);
    if (fileAnswers.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> answer = std::move(fileAnswers.front());
    fileAnswers.pop_front();
    if (answer) {
        const std::size_t slash = answer->rfind('/');
        if (slash != std::string::npos) {
            workingDir = slash == 0 ? std::string("/") : answer->substr(0, slash);
        }
    }
    return answer;
}

std::optional<std::string> RecordingDesktop::readUserValue(std::string_view key,
                                                           std::string_view name)
{
    const auto it = userValues.find({std::string(key), std::string(name)});
    if (it == userValues.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::unique_ptr<NativeWindow> RecordingDesktop::createWindow(WindowEventSink&, const WindowRect& rect,
                                                             const WindowOptions& options)
{
    if (refuseWindows) {
        return nullptr;
    }
    auto window = std::make_unique<RecordingNativeWindow>();
    window->rect = rect;
    window->client = {rect.x, rect.y, rect.width, rect.height - 50};
    window->menu = options.menu != nullptr;
    window->statusLine = options.statusLine;
    windows.push_back(window.get());
    return window;
}

int RecordingDesktop::runMessageLoop()
{
    while (!quitCode && !tasks.empty()) {
        runTasks();
    }
    return quitCode.value_or(0);
}

void RecordingDesktop::runTasks()
{
    while (!tasks.empty()) {
        auto task = std::move(tasks.front());
        tasks.pop_front();
        task();
    }
}

int RecordingDesktop::runDialog(NativeWindow* owner, const DialogTemplate& dialog, DialogHandler& handler)
{
    RecordingDialogControls controls(dialog);
    handler.opened(controls);
    if (!dialogScripts.empty()) {
        const DialogScript script = std::move(dialogScripts.front());
        dialogScripts.pop_front();
        script(controls, handler);
    }
    if (!controls.ended()) {
        handler.controlUsed(controls, IDCANCEL, ControlEvent::Clicked);
    }
    const int result = controls.result().value_or(-1);
    dialogRuns.push_back({dialog.name, owner, std::move(controls)});
    return result;
}

}  // namespace kvx::test
