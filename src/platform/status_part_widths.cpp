#include "platform/status_part_widths.h"

#include <algorithm>
#include <cstdint>

namespace kvx {

std::vector<int> statusPartWidths(const std::vector<int>& wanted, const std::vector<int>& needed, int room,
                                  std::size_t yielding)
{
    const auto needOf = [&needed](std::size_t i) { return i < needed.size() ? std::max(needed[i], 0) : 0; };
    std::vector<int> widths(wanted.size());
    int64_t full = 0;
    int64_t least = 0;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        widths[i] = std::max(wanted[i], needOf(i));
        full += widths[i];
        least += needOf(i);
    }
    if (full <= room) {
        return widths;
    }
    if (least >= room) {
        // Not even the texts fit: the yielding parts give up what is missing.
        yielding = std::min(yielding, widths.size());
        int64_t theirs = 0;
        for (std::size_t i = 0; i < yielding; ++i) {
            theirs += needOf(i);
        }
        const int64_t missing = std::min(least - room, theirs);
        for (std::size_t i = 0; i < widths.size(); ++i) {
            const int64_t given = i < yielding && theirs > 0 ? (needOf(i) * missing + theirs - 1) / theirs : 0;
            widths[i] = needOf(i) - static_cast<int>(given);
        }
        return widths;
    }
    // What each part has beyond its text shrinks by the same fraction.
    const int64_t spare = room - least;
    const int64_t extra = full - least;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        widths[i] = needOf(i) + static_cast<int>((widths[i] - needOf(i)) * spare / extra);
    }
    return widths;
}

}  // namespace kvx
