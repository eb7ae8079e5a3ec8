#pragma once
// The per-user key store on this platform: one small file per key under the
// user's configuration folder, $XDG_CONFIG_HOME/<key> (default
// ~/.config/<key>), holding lines of the form name=value.

#include <optional>
#include <string>
#include <string_view>

namespace kvx {

// The file that stands for `key` ("Kurvex/1.x/Settings"); empty when neither
// XDG_CONFIG_HOME nor HOME is set.
std::string userKeyFilePath(std::string_view key);

// The value of `name` in the key's file, trimmed of blanks; nothing when the
// file or the name does not exist. Names are matched without regard to
// letter case, as value names of a key store are; the first match counts.
std::optional<std::string> readUserKeyFile(std::string_view key, std::string_view name);

}  // namespace kvx
