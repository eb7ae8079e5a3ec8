#include "model/app_context.h"

namespace kvx {

AppContext::AppContext(Desktop& desktop) : desktop(desktop) {}

AppContext::AppContext() : AppContext(Desktop::current()) {}

AppContext::~AppContext()
{
    windows.releaseAll();
}

DialogChoices& dialogChoices()
{
    return CurrentPart<DialogChoices>::get();
}

}  // namespace kvx
