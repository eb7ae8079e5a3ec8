#pragma once
// The application-wide run state that long operations and edition loops read.

#include <cstdint>

namespace kvx {

enum RunState : int16_t {
    RUN_RUNNING = 1401,  // normal operation
    RUN_BREAK = 1402,    // the user asked to interrupt a long operation
    RUN_QUIT = 1403,     // the session has ended
};

RunState runState();
void setRunState(RunState state);

}  // namespace kvx
