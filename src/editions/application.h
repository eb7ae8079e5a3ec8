#pragma once
// The application-wide start-up steps shared by the three programs.

#include <string_view>

#include "app/run_state.h"
#include "app/version.h"

namespace kvx {

// The defaults: built-in values, then the settings files.
void initApplication();

// Sets the default of settings key `key` (the names of the settings file,
// and "userInterface") for the plots created afterwards; returns `value`.
// Reals are taken as they are, every other key the low 16 bits of the
// value truncated. An unknown key, or a value the setting cannot take, is
// a warning and changes nothing.
double setDefaultParameter(std::string_view key, double value);

// The run state; a break request is seen once: it becomes RUN_RUNNING.
RunState takeRunState();

}  // namespace kvx
