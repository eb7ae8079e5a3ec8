#pragma once
// The three default records of a run: where the next window goes, what a
// new plot starts with and what a new graph starts with. They are filled at
// start-up from the built-in values and the settings files and live for the
// whole run in the application context.

#include <cstdint>

#include "settings/keywords.h"
#include "settings/plot_settings.h"

namespace kvx {

// The cascade: the last window position and the step to the next one.
struct WindowPlacement {
    int16_t xWinPos = 60;
    int16_t yWinPos = 60;
    int16_t dxWinPos = 20;
    int16_t dyWinPos = 20;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

struct GraphDefaults {
    int16_t type = LINES;
    int16_t lineWidth = 1;
    int16_t lineType = SOLID;  // not in the settings file
    int16_t pointsSize = 3;
    int16_t markerSize = 7;
    int16_t showLines = SHOW;
    int16_t showPoints = HIDE;
    int16_t showMarker = HIDE;
    int16_t linesDrawRate = 1;
    int16_t pointsDrawRate = 1;
    int16_t markerDrawRate = 1;
    friend bool operator==(const GraphDefaults&, const GraphDefaults&) = default;
};

// The member initialisers of the three records are the built-in defaults.
struct DefaultRecords {
    WindowPlacement windowPlacement;
    PlotSettings plotDefaults;
    GraphDefaults graphDefaults;
    friend bool operator==(const DefaultRecords&, const DefaultRecords&) = default;
};

// The records of the current application context.
DefaultRecords& defaultRecords();

inline WindowPlacement& windowPlacement() { return defaultRecords().windowPlacement; }
inline PlotSettings& plotDefaults() { return defaultRecords().plotDefaults; }
inline GraphDefaults& graphDefaults() { return defaultRecords().graphDefaults; }

}  // namespace kvx
