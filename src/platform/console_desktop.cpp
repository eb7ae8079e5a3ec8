#include "platform/console_desktop.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/user_key_file.h"

namespace kvx {

BoxResult ConsoleDesktop::showMessageBox(const MessageBoxRequest& box)
{
    const std::string line = batchMessageLine(box) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
    return BoxResult::Ok;
}

ScreenSize ConsoleDesktop::screenSize()
{
    // Without a display: the size of the offscreen platform's screen.
    return {800, 800};
}

std::string ConsoleDesktop::workingDirectory()
{
    std::error_code ec;
    auto dir = std::filesystem::current_path(ec);
    return ec ? std::string(".") : dir.string();
}

int ConsoleDesktop::processOneMessage()
{
    if (tasks_.empty()) {
        return 0;
    }
    auto task = std::move(tasks_.front());
    tasks_.pop_front();
    task();
    return 1;
}

std::unique_ptr<NativeWindow> ConsoleDesktop::createWindow(WindowEventSink&, const WindowRect&,
                                                           const WindowOptions&)
{
    return nullptr;
}

int ConsoleDesktop::runMessageLoop()
{
    while (!quitCode_ && processOneMessage() != 0) {
    }
    const int code = quitCode_.value_or(0);
    quitCode_.reset();
    return code;
}

void ConsoleDesktop::postQuit(int code)
{
    quitCode_ = code;
}

void ConsoleDesktop::postTask(std::function<void()> task)
{
    tasks_.push_back(std::move(task));
}

std::optional<std::string> ConsoleDesktop::readUserValue(std::string_view key,
                                                         std::string_view name)
{
    return readUserKeyFile(key, name);
}

}  // namespace kvx
