#include "platform/message_box.h"

namespace kvx {

std::string batchMessageLine(const MessageBoxRequest& box)
{
    std::string line = box.caption;
    line += ": ";
    for (char c : box.text) {
        line += (c == '\n' || c == '\r') ? ' ' : c;
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line;
}

}  // namespace kvx
