#include "platform/user_key_file.h"

#include <cstdlib>
#include <fstream>

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
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) {
            continue;
        }
        if (trimBlanks(std::string_view(line).substr(0, eq)) == name) {
            return std::string(trimBlanks(std::string_view(line).substr(eq + 1)));
        }
    }
    return std::nullopt;
}

}  // namespace kvx
