#pragma once
// The widths of a status line's parts side by side in the room a window
// gives them. With room to spare each part is as wide as it is laid out, or
// as its text if that is wider. With too little, the parts give up what they
// have beyond their texts, all in the same proportion, so that every text
// stays whole. When the texts alone are wider than the room, the first
// `yielding` parts give up what is missing, in proportion to their texts,
// and are cut: those the other parts matter more than.

#include <cstddef>
#include <vector>

namespace kvx {

// `wanted`: the laid-out widths; `needed`: what each part's text takes.
std::vector<int> statusPartWidths(const std::vector<int>& wanted, const std::vector<int>& needed, int room,
                                  std::size_t yielding);

}  // namespace kvx
