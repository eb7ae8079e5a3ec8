#pragma once
// Opening a session file into windows: the window the command ran in
// becomes the first, the others are created, and each loads its plot file,
// the window focused last at the end so that it ends in front.

#include <string>

#include "model/plot.h"

namespace kvx {

// False when the file cannot be opened or names no number of windows.
bool readSession(Plot& plot, const std::string& fileName);

}  // namespace kvx
