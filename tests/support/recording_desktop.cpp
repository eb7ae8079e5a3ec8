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

}  // namespace

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

}  // namespace kvx::test
