#pragma once
// Opening a file for reading, only when it is a regular file. A folder, a
// FIFO, a device or a socket counts as a file that cannot be opened, so that
// no reader waits for a writer that never comes or reads an endless stream
// such as /dev/zero. Opening never blocks.

#include <optional>
#include <string>

#include "filesystem/c_file.h"

namespace kvx {

// The file at `path` (symbolic links followed), open for reading in binary
// mode; null when it cannot be opened or is no regular file. Then `reason`,
// when given, receives why: the system's error text or "not a regular file".
CFile openRegularFile(const std::string& path, std::string* reason = nullptr);

// Whether `path` names a regular file (symbolic links followed).
bool isRegularFile(const std::string& path);

// The whole content of the regular file at `path`; nothing when it cannot
// be opened or reading it fails.
std::optional<std::string> readRegularFile(const std::string& path);

}  // namespace kvx
