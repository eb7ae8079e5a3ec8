#include "app/session_list.h"

#include <algorithm>
#include <limits>
#include <string>

#include "platform/current_part.h"

namespace kvx {

int16_t SessionList::add(BaseWindow* window)
{
    if (count_ >= maxWindows || lastNumber_ == std::numeric_limits<int16_t>::max()) {
        return -1;
    }
    ++lastNumber_;
    entries_[count_++] = Entry{lastNumber_, window, 0};
    return lastNumber_;
}

bool SessionList::remove(int16_t number)
{
    for (int i = 0; i < count_; ++i) {
        if (entries_[i].number == number) {
            std::copy(entries_.begin() + i + 1, entries_.begin() + count_, entries_.begin() + i);
            --count_;
            return true;
        }
    }
    return false;
}

void SessionList::focused(int16_t number)
{
    for (int i = 0; i < count_; ++i) {
        if (entries_[i].number == number) {
            entries_[i].focusStamp = ++focusCounter_;
            return;
        }
    }
}

int16_t SessionList::numberOf(const BaseWindow* window) const
{
    for (int i = 0; i < count_; ++i) {
        if (entries_[i].window == window) {
            return entries_[i].number;
        }
    }
    return -1;
}

BaseWindow* SessionList::windowOf(int16_t number) const
{
    for (int i = 0; i < count_; ++i) {
        if (entries_[i].number == number) {
            return entries_[i].window;
        }
    }
    return nullptr;
}

int16_t SessionList::numberAt(int position) const
{
    if (position < 0 || position >= count_) {
        return -1;
    }
    return entries_[position].number;
}

std::string SessionList::focusOrder() const
{
    // Most recent stamp first; of equal stamps the entry that stands last.
    // Windows that never had the focus share stamp 0 and so come last.
    std::array<int, maxWindows> order{};
    for (int i = 0; i < count_; ++i) {
        order[i] = i;
    }
    std::sort(order.begin(), order.begin() + count_, [this](int a, int b) {
        if (entries_[a].focusStamp != entries_[b].focusStamp) {
            return entries_[a].focusStamp > entries_[b].focusStamp;
        }
        return a > b;
    });
    std::string text = "[";
    for (int n = 0; n < count_; ++n) {
        if (n > 0) {
            text += ' ';
        }
        text += std::to_string(order[n] + 1);
    }
    text += ']';
    return text;
}

SessionList& sessionList()
{
    return CurrentPart<SessionList>::get();
}

}  // namespace kvx
