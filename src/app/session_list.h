#pragma once
// The windows of the running session: their numbers, the order in which they
// were opened and which of them had the focus most recently. The list owns
// none of them.

#include <array>
#include <cstdint>
#include <string>

namespace kvx {

class BaseWindow;

class SessionList {
public:
    static constexpr int16_t maxWindows = 99;

    // Lists a window and returns its new number; -1 when the list is full.
    int16_t add(BaseWindow* window);
    // False when no window has that number.
    bool remove(int16_t number);
    // The window got the focus.
    void focused(int16_t number);
    // -1 when the window is not listed.
    int16_t numberOf(const BaseWindow* window) const;
    BaseWindow* windowOf(int16_t number) const;
    // The number at a 0-based position, -1 beyond the end.
    int16_t numberAt(int position) const;
    int16_t count() const { return count_; }
    int16_t lastNumber() const { return lastNumber_; }
    // Forgets the entries; the windows are not touched.
    void clear() { count_ = 0; }
    // The 1-based positions from the most recently focused window to the
    // least recently focused one, as "[2 3 1]".
    std::string focusOrder() const;

private:
    struct Entry {
        int16_t number = 0;
        BaseWindow* window = nullptr;
        int32_t focusStamp = 0;
    };

    std::array<Entry, maxWindows> entries_{};
    int16_t count_ = 0;
    int16_t lastNumber_ = 0;
    int32_t focusCounter_ = 0;
};

// The list of the current application context.
SessionList& sessionList();

}  // namespace kvx
