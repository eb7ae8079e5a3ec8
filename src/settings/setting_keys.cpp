#include "settings/setting_keys.h"

#include <iterator>

namespace kvx {

namespace {

#define KVX_SHORT(section, key, type, field, range) \
    SettingKey{section, #key, type, bounds::range, [](DefaultRecords& d) { return &d.field; }, nullptr}
#define KVX_REAL(section, key, field, range) \
    SettingKey{section, #key, SettingType::Real, bounds::range, nullptr, [](DefaultRecords& d) { return &d.field; }}

constexpr auto I16 = SettingType::Int16;
constexpr auto KEY = SettingType::Keyword;

const SettingKey keys[] = {
    KVX_SHORT("Plots", xWinPos, I16, windowPlacement.xWinPos, windowPosition),
    KVX_SHORT("Plots", yWinPos, I16, windowPlacement.yWinPos, windowPosition),
    KVX_SHORT("Plots", xWinSize, I16, plotDefaults.xWinSize, windowSize),
    KVX_SHORT("Plots", yWinSize, I16, plotDefaults.yWinSize, windowSize),
    KVX_SHORT("AxesSystems", dxWinPos, I16, windowPlacement.dxWinPos, windowPosition),
    KVX_SHORT("AxesSystems", dyWinPos, I16, windowPlacement.dyWinPos, windowPosition),
    KVX_REAL("AxesSystems", printFactor, plotDefaults.printFactor, printFactor),
    KVX_SHORT("AxesSystems", showGrid, KEY, plotDefaults.showGrid, any),
    KVX_SHORT("AxesSystems", xLog, KEY, plotDefaults.xLog, any),
    KVX_SHORT("AxesSystems", yLog, KEY, plotDefaults.yLog, any),
    KVX_SHORT("AxesSystems", antiAlias, KEY, plotDefaults.antiAlias, any),
    KVX_SHORT("AxesSystems", showCoorSystem, KEY, plotDefaults.showCoorSystem, any),
    KVX_SHORT("AxesSystems", showLegend, KEY, plotDefaults.showLegend, any),
    KVX_SHORT("AxesSystems", aspectRatio, KEY, plotDefaults.aspectRatio, any),
    KVX_SHORT("AxesSystems", colorScheme, KEY, plotDefaults.colorScheme, any),
    KVX_SHORT("AxesSystems", colorPalette, KEY, plotDefaults.colorPalette, any),
    KVX_SHORT("AxesSystems", numColors, I16, plotDefaults.numColors, numColors),
    KVX_SHORT("AxesSystems", zoomMode, KEY, plotDefaults.zoomMode, any),
    KVX_REAL("AxesSystems", zoomFactor, plotDefaults.zoomFactor, zoomFactor),
    KVX_REAL("AxesSystems", autoRangeExcess, plotDefaults.autoRangeExcess, autoRangeExcess),
    KVX_SHORT("AxesSystems", numTicks, I16, plotDefaults.numTicks, tickCount),
    KVX_SHORT("AxesSystems", numSubTicks, I16, plotDefaults.numSubTicks, tickCount),
    KVX_SHORT("AxesSystems", maxDigits, I16, plotDefaults.maxDigits, maxDigits),
    KVX_SHORT("AxesSystems", indentUp, I16, plotDefaults.indents.up, indent),
    KVX_SHORT("AxesSystems", indentDown, I16, plotDefaults.indents.down, indent),
    KVX_SHORT("AxesSystems", indentLeft, I16, plotDefaults.indents.left, indent),
    KVX_SHORT("AxesSystems", indentRight, I16, plotDefaults.indents.right, indent),
    KVX_SHORT("AxesSystems", xLableDistance, I16, plotDefaults.xLableDistance, distance),
    KVX_SHORT("AxesSystems", yLableDistance, I16, plotDefaults.yLableDistance, distance),
    KVX_SHORT("AxesSystems", axesTitleDistance, I16, plotDefaults.axesTitleDistance, distance),
    KVX_SHORT("AxesSystems", valueDistance, I16, plotDefaults.valueDistance, distance),
    KVX_SHORT("AxesSystems", legendBorderDistance, I16, plotDefaults.legendBorderDistance, legendDistance),
    KVX_SHORT("AxesSystems", legendInnerDistance, I16, plotDefaults.legendInnerDistance, legendDistance),
    KVX_SHORT("AxesSystems", legendLineSampleLength, I16, plotDefaults.legendLineSampleLength, legendDistance),
    KVX_SHORT("AxesSystems", fontSize, I16, plotDefaults.fontSize, fontSize),
    KVX_SHORT("AxesSystems", ticksSize, I16, plotDefaults.ticksSize, distance),
    KVX_SHORT("AxesSystems", subTicksSize, I16, plotDefaults.subTicksSize, distance),
    KVX_SHORT("Graphs", readMode, KEY, plotDefaults.readMode, any),
    KVX_SHORT("Graphs", type, KEY, graphDefaults.type, any),
    KVX_SHORT("Graphs", lineWidth, I16, graphDefaults.lineWidth, lineWidth),
    KVX_SHORT("Graphs", pointsSize, I16, graphDefaults.pointsSize, dotOrMarkerSize),
    KVX_SHORT("Graphs", markerSize, I16, graphDefaults.markerSize, dotOrMarkerSize),
    KVX_SHORT("Graphs", showLines, KEY, graphDefaults.showLines, any),
    KVX_SHORT("Graphs", showPoints, KEY, graphDefaults.showPoints, any),
    KVX_SHORT("Graphs", showMarker, KEY, graphDefaults.showMarker, any),
    KVX_SHORT("Graphs", linesDrawRate, I16, graphDefaults.linesDrawRate, drawRate),
    KVX_SHORT("Graphs", pointsDrawRate, I16, graphDefaults.pointsDrawRate, drawRate),
    KVX_SHORT("Graphs", markerDrawRate, I16, graphDefaults.markerDrawRate, drawRate),
};

// The settings table lists 45 keys (its introduction counts 47), the
// kinds of the axes add two and smoothing one.
static_assert(std::size(keys) == 48);

#undef KVX_SHORT
#undef KVX_REAL

}  // namespace

std::span<const SettingKey> settingKeys()
{
    return keys;
}

const SettingKey* findSettingKey(std::string_view key)
{
    for (const SettingKey& k : keys) {
        if (k.key == key) {
            return &k;
        }
    }
    return nullptr;
}

}  // namespace kvx
