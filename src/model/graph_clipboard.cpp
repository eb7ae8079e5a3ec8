#include "model/graph_clipboard.h"

#include "app/errors.h"
#include "platform/current_part.h"

namespace kvx {

GraphClipboard& GraphClipboard::instance()
{
    return CurrentPart<GraphClipboard>::get();
}

int16_t GraphClipboard::appendCopy(const Graph& source)
{
    if (count() >= maxGraphs) {
        reportFatalError(ERR_MESSAGE, "Too many graphs");
    }
    const auto n = static_cast<int16_t>(count() + 1);
    graphs_.push_back(std::make_unique<Graph>(n));
    graphs_.back()->copyFrom(source);
    return n;
}

void GraphClipboard::remove(int16_t i)
{
    if (i < 1 || i > count()) {
        return;
    }
    graphs_.erase(graphs_.begin() + (i - 1));
}

}  // namespace kvx
