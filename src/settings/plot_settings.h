#pragma once
// The block of per-plot settings that every new plot copies from the plot
// defaults and a clone copies from its source. The drawing objects and the
// window's status line and menu that sit among these settings belong to the
// rendering and window code; this block holds the values.

#include <cstdint>

#include "settings/keywords.h"

namespace kvx {

// Margins around the frame, in pixels.
struct Indents {
    int16_t up = 0;
    int16_t down = 0;
    int16_t left = 0;
    int16_t right = 0;
    friend bool operator==(const Indents&, const Indents&) = default;
};

// A rectangle in device pixels, right and bottom exclusive.
struct DeviceRect {
    int16_t left = 0;
    int16_t top = 0;
    int16_t right = 0;
    int16_t bottom = 0;
    friend bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

struct PlotSettings {
    int16_t gridLineType = DOT;
    int16_t gridLineWidth = 1;
    int16_t frameLineWidth = 1;
    // The width of dashed and dotted graph lines, whose dashes grow with it.
    int16_t dashLineWidth = 1;
    int16_t fileCommandMask = 1;  // 1: the window carries out all its file commands
    int16_t numGraphs = 0;
    Indents plainIndents{0, 20, 0, 1};  // used unless the coordinate system is shown
    Indents indents{40, 75, 85, 35};    // with the full or half coordinate system
    uint8_t busy = 0;                   // set while reading, painting or resizing
    uint8_t measureMode = 0;
    uint8_t newAllowed = 1;
    uint32_t frameColor = 0;  // the four colours come from the colour scheme
    uint32_t gridColor = 0;
    uint32_t marginColor = 0;
    uint32_t plotColor = 0;
    Indents activeIndents{40, 75, 85, 35};
    int16_t fontSize = 17;
    int16_t colorScheme = DARK;
    int16_t colorPalette = MIXED_COLORS_I;
    int16_t numColors = 7;
    int16_t ticksSize = 7;
    int16_t subTicksSize = 4;
    int16_t numSubTicks = 2;
    int16_t numTicks = 6;
    int16_t maxDigits = 6;
    int16_t xLableDistance = 50;
    int16_t yLableDistance = 60;
    int16_t valueDistance = 7;
    int16_t axesTitleDistance = 10;
    int16_t showCoorSystem = SHOW;
    int16_t showGrid = SHOW;
    // The kinds of new plots' axes (SHOW: logarithmic); each plot's axes
    // system holds its own.
    int16_t xLog = HIDE;
    int16_t yLog = HIDE;
    // SHOW: curves and markers are smoothed (anti-aliased) in the window,
    // in PNG files and in print; HIDE keeps their exact pixels.
    int16_t antiAlias = HIDE;
    int16_t showLegend = HIDE;
    int16_t zoomMode = ZOOM_XY;
    int16_t readMode = XYY;
    int16_t userInterface = SHOW;
    int16_t aspectRatio = AXES_SCALED;
    double zoomFactor = 1.5;
    double autoRangeExcess = 0.05;
    double printFactor = 1.0;
    int16_t xWinSize = 640;  // initial window size
    int16_t yWinSize = 520;
    int16_t legendBorderDistance = 12;
    int16_t legendLineSampleLength = 30;
    int16_t legendInnerDistance = 6;

    friend bool operator==(const PlotSettings&, const PlotSettings&) = default;
};

}  // namespace kvx
