#include "window/coalesced_repaint.h"

#include "window/plot.h"

namespace kvx {

CoalescedRepaint::CoalescedRepaint(Plot& plot) : plot_(plot)
{
    ++plot_.coalescing_;
}

CoalescedRepaint::~CoalescedRepaint()
{
    --plot_.coalescing_;
}

bool CoalescedRepaint::active(const Plot& plot)
{
    return plot.coalescing_ > 0;
}

}  // namespace kvx
