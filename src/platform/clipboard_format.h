#pragma once
// One format of what goes on the clipboard: its MIME type and its bytes.

#include <string>

namespace kvx {

struct ClipboardFormat {
    std::string mimeType;  // "image/png"
    std::string bytes;
};

}  // namespace kvx
