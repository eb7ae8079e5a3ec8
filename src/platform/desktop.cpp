#include "platform/desktop.h"

#include "platform/console_desktop.h"
#include "platform/current_part.h"

namespace kvx {

Desktop& Desktop::current()
{
    return CurrentPart<Desktop>::get<ConsoleDesktop>();
}

}  // namespace kvx
