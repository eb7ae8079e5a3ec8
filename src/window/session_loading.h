#pragma once
// Opening a session file into windows: the window the command ran in
// becomes the first, the others are created, and each loads its plot file,
// the window focused last at the end so that it ends in front.

#include <string>

#include "window/plot.h"
#include "window/read_shortfall.h"

namespace kvx {

// False when the file cannot be opened or names no number of windows.
// The windows it asks for beyond those that fit are warned about; they and
// the plot files that cannot be read (outside the session's folder, not
// there, without their data file) go to `shortfall` when given.
bool readSession(Plot& plot, const std::string& fileName, ReadShortfall* shortfall = nullptr);

}  // namespace kvx
