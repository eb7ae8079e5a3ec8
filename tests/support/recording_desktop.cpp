#include "support/recording_desktop.h"

#include "support/recording_native_window.h"

namespace kvx::test {

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
