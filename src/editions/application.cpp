#include "editions/application.h"

#include "app/errors.h"
#include "app/run_state.h"
#include "settings/settings_loader.h"

namespace kvx {

void initApplication()
{
    installOutOfMemoryHandler();
    setRunState(RUN_RUNNING);
    setBuiltInDefaults();
}

}  // namespace kvx
