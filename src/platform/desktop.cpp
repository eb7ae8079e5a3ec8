#include "platform/desktop.h"

#include "platform/console_desktop.h"

namespace kvx {

namespace {

Desktop* installed = nullptr;

}  // namespace

Desktop& Desktop::current()
{
    static ConsoleDesktop fallback;
    return installed ? *installed : fallback;
}

void Desktop::install(Desktop* desktop)
{
    installed = desktop;
}

}  // namespace kvx
