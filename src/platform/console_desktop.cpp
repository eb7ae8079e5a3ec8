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
    return 0;
}

std::optional<std::string> ConsoleDesktop::readUserValue(std::string_view key,
                                                         std::string_view name)
{
    return readUserKeyFile(key, name);
}

}  // namespace kvx
