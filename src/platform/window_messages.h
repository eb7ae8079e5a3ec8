#pragma once
// The window messages of the system, their parameter packing and the keys
// the plot windows handle. The toolkit turns its events into these and hands
// them to windowProc.

#include <cstdint>
#include <string>
#include <vector>

namespace kvx {

enum Message : uint32_t {
    MSG_CREATE = 1,
    MSG_DESTROY,
    MSG_MOVE,
    MSG_SIZE,
    MSG_PAINT,
    MSG_SET_FOCUS,
    MSG_KILL_FOCUS,
    MSG_CLOSE,
    MSG_ERASE_BACKGROUND,
    MSG_KEY_DOWN,
    MSG_COMMAND,
    MSG_SYSTEM_COMMAND,
    MSG_POINTER_MOVE,
    MSG_LEFT_DOWN,
    MSG_LEFT_UP,
    MSG_LEFT_DOUBLE_CLICK,
    MSG_RIGHT_DOWN,
    MSG_WHEEL,
    MSG_FILES_DROPPED,  // wParam: the address of a DroppedFiles
};

// The keys that select commands (wParam of MSG_KEY_DOWN).
enum VirtualKey : uintptr_t {
    VK_PAGE_UP = 0x21,
    VK_PAGE_DOWN = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
};

// The files of one drop, in the order of the drop.
struct DroppedFiles {
    std::vector<std::string> paths;
};

// A point packed into lParam: x in the low 16 bits, y in the high 16 bits.
constexpr intptr_t packPoint(int x, int y)
{
    return static_cast<intptr_t>((static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16) |
                                 static_cast<uint16_t>(x));
}
constexpr int16_t lowWord(intptr_t v)
{
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uintptr_t>(v) & 0xFFFFu));
}
constexpr int16_t highWord(intptr_t v)
{
    return static_cast<int16_t>(static_cast<uint16_t>((static_cast<uintptr_t>(v) >> 16) & 0xFFFFu));
}
// The wheel delta in the high 16 bits of wParam.
constexpr uintptr_t packWheelDelta(int delta)
{
    return static_cast<uintptr_t>(static_cast<uint16_t>(delta)) << 16;
}

}  // namespace kvx
