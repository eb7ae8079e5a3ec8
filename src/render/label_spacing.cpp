#include "render/label_spacing.h"

#include <algorithm>
#include <optional>

namespace kvx {

namespace {

// 1, 2, 5, 10, 20, 50, ...
int nextEvery(int every)
{
    int decade = 1;
    while (every >= 10 * decade) {
        decade *= 10;
    }
    const int lead = every / decade;
    return (lead == 1 ? 2 : (lead == 2 ? 5 : 10)) * decade;
}

bool overlap(LabelSpan a, LabelSpan b)
{
    return std::min(a.from, a.to) < std::max(b.from, b.to) && std::min(b.from, b.to) < std::max(a.from, a.to);
}

bool labelsFit(const AxisTicks& ticks, const LabelSpanOf& spanOf)
{
    std::optional<LabelSpan> before;
    for (const double value : ticks.major) {
        if (!labelled(ticks, value)) {
            continue;
        }
        const LabelSpan span = spanOf(ticks, value);
        if (before && overlap(*before, span)) {
            return false;
        }
        before = span;
    }
    return true;
}

}  // namespace

int labelEvery(const AxisTicks& ticks, const LabelSpanOf& spanOf)
{
    AxisTicks trial = ticks;
    // Ticks come at consecutive indices: with labelEvery at their count at
    // most one of them is labelled.
    const auto count = static_cast<int>(std::min<std::size_t>(ticks.major.size(), 1 << 30));
    for (trial.labelEvery = 1;; trial.labelEvery = nextEvery(trial.labelEvery)) {
        if (trial.labelEvery >= count || labelsFit(trial, spanOf)) {
            return trial.labelEvery;
        }
    }
}

}  // namespace kvx
