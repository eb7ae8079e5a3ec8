#pragma once
// The application-wide start-up steps shared by the three programs.

#include "app/version.h"

namespace kvx {

// The defaults: built-in values, then the settings files.
void initApplication();

}  // namespace kvx
