#include "platform/user_key_file.h"

#include <algorithm>
#include <cstdlib>

#include "platform/ascii_case.h"
#include "filesystem/regular_file.h"

namespace kvx {

namespace {

std::string_view trimBlanks(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

}  // namespace

std::string userKeyFilePath(std::string_view key)
{
    std::string root;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') {
        root = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        root = std::string(home) + "/.config";
    } else {
        return {};
    }
    return root + "/" + std::string(key);
}

std::optional<std::string> readUserKeyFile(std::string_view key, std::string_view name)
{
    const std::string path = userKeyFilePath(key);
    if (path.empty()) {
        return std::nullopt;
    }
    // A FIFO in its place would hold the start-up until someone writes to it.
    const std::optional<std::string> text = readRegularFile(path);
    if (!text) {
        return std::nullopt;
    }
    std::string_view rest = *text;
    while (!rest.empty()) {
        const auto end = std::min(rest.find('\n'), rest.size());
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        const auto eq = line.find('=');
        if (eq != std::string_view::npos && equalNoCase(trimBlanks(line.substr(0, eq)), name)) {
            return std::string(trimBlanks(line.substr(eq + 1)));
        }
    }
    return std::nullopt;
}

}  // namespace kvx
