#include "app/run_state.h"

namespace kvx {

namespace {

RunState current = RUN_RUNNING;

}  // namespace

RunState runState()
{
    return current;
}

void setRunState(RunState state)
{
    current = state;
}

}  // namespace kvx
