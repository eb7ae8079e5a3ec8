#include "editions/plot_handle.h"

namespace kvx {

PlotHandle::PlotHandle(std::string_view title) : plot_(std::make_unique<Plot>(title))
{
}

PlotHandle::~PlotHandle() = default;

}  // namespace kvx
