#include "editions/plot_handle.h"

#include "window/file_commands.h"

namespace kvx {

PlotHandle::PlotHandle(std::string_view title) : plot_(std::make_unique<Plot>(title))
{
}

PlotHandle::~PlotHandle() = default;

bool PlotHandle::openFile(const std::string& path, int16_t mode)
{
    return openByPath(*plot_, path, mode);
}

}  // namespace kvx
