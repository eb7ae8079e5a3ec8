#pragma once
// "Follow Data Files": while it is on, a plot keeps reading what the data
// files it read append, draws the new points at once and keeps them in sight
// unless the user chose a range of his own.

#include "window/plot.h"

namespace kvx {

// Switches following on or off for the plot's data files.
void setFollowing(Plot& plot, bool on);
// After the plot read data files: follows the files it now holds, when on.
void followReadFiles(Plot& plot);
// Reads what the followed files appended since the last look, as a change
// notification does.
void updateFollowing(Plot& plot);

}  // namespace kvx
