#include "settings/setting_keys.h"

#include <iterator>

namespace kvx {

namespace {

#define KVX_SHORT(section, key, type, field) \
    SettingKey{section, #key, type, [](DefaultRecords& d) { return &d.field; }, nullptr}
#define KVX_REAL(section, key, field) \
    SettingKey{section, #key, SettingType::Real, nullptr, [](DefaultRecords& d) { return &d.field; }}

constexpr auto I16 = SettingType::Int16;
constexpr auto KEY = SettingType::Keyword;

const SettingKey keys[] = {
    KVX_SHORT("Plots", xWinPos, I16, windowPlacement.xWinPos),
    KVX_SHORT("Plots", yWinPos, I16, windowPlacement.yWinPos),
    KVX_SHORT("Plots", xWinSize, I16, plotDefaults.xWinSize),
    KVX_SHORT("Plots", yWinSize, I16, plotDefaults.yWinSize),
    KVX_SHORT("AxesSystems", dxWinPos, I16, windowPlacement.dxWinPos),
    KVX_SHORT("AxesSystems", dyWinPos, I16, windowPlacement.dyWinPos),
    KVX_REAL("AxesSystems", printFactor, plotDefaults.printFactor),
    KVX_SHORT("AxesSystems", showGrid, KEY, plotDefaults.showGrid),
    KVX_SHORT("AxesSystems", showCoorSystem, KEY, plotDefaults.showCoorSystem),
    KVX_SHORT("AxesSystems", showLegend, KEY, plotDefaults.showLegend),
    KVX_SHORT("AxesSystems", aspectRatio, KEY, plotDefaults.aspectRatio),
    KVX_SHORT("AxesSystems", colorScheme, KEY, plotDefaults.colorScheme),
    KVX_SHORT("AxesSystems", colorPalette, KEY, plotDefaults.colorPalette),
    KVX_SHORT("AxesSystems", numColors, I16, plotDefaults.numColors),
    KVX_SHORT("AxesSystems", zoomMode, KEY, plotDefaults.zoomMode),
    KVX_REAL("AxesSystems", zoomFactor, plotDefaults.zoomFactor),
    KVX_REAL("AxesSystems", autoRangeExcess, plotDefaults.autoRangeExcess),
    KVX_SHORT("AxesSystems", numTicks, I16, plotDefaults.numTicks),
    KVX_SHORT("AxesSystems", numSubTicks, I16, plotDefaults.numSubTicks),
    KVX_SHORT("AxesSystems", maxDigits, I16, plotDefaults.maxDigits),
    KVX_SHORT("AxesSystems", indentUp, I16, plotDefaults.indents.up),
    KVX_SHORT("AxesSystems", indentDown, I16, plotDefaults.indents.down),
    KVX_SHORT("AxesSystems", indentLeft, I16, plotDefaults.indents.left),
    KVX_SHORT("AxesSystems", indentRight, I16, plotDefaults.indents.right),
    KVX_SHORT("AxesSystems", xLableDistance, I16, plotDefaults.xLableDistance),
    KVX_SHORT("AxesSystems", yLableDistance, I16, plotDefaults.yLableDistance),
    KVX_SHORT("AxesSystems", axesTitleDistance, I16, plotDefaults.axesTitleDistance),
    KVX_SHORT("AxesSystems", valueDistance, I16, plotDefaults.valueDistance),
    KVX_SHORT("AxesSystems", legendBorderDistance, I16, plotDefaults.legendBorderDistance),
    KVX_SHORT("AxesSystems", legendInnerDistance, I16, plotDefaults.legendInnerDistance),
    KVX_SHORT("AxesSystems", legendLineSampleLength, I16, plotDefaults.legendLineSampleLength),
    KVX_SHORT("AxesSystems", fontSize, I16, plotDefaults.fontSize),
    KVX_SHORT("AxesSystems", ticksSize, I16, plotDefaults.ticksSize),
    KVX_SHORT("AxesSystems", subTicksSize, I16, plotDefaults.subTicksSize),
    KVX_SHORT("Graphs", readMode, KEY, plotDefaults.readMode),
    KVX_SHORT("Graphs", type, KEY, graphDefaults.type),
    KVX_SHORT("Graphs", lineWidth, I16, graphDefaults.lineWidth),
    KVX_SHORT("Graphs", pointsSize, I16, graphDefaults.pointsSize),
    KVX_SHORT("Graphs", markerSize, I16, graphDefaults.markerSize),
    KVX_SHORT("Graphs", showLines, KEY, graphDefaults.showLines),
    KVX_SHORT("Graphs", showPoints, KEY, graphDefaults.showPoints),
    KVX_SHORT("Graphs", showMarker, KEY, graphDefaults.showMarker),
    KVX_SHORT("Graphs", linesDrawRate, I16, graphDefaults.linesDrawRate),
    KVX_SHORT("Graphs", pointsDrawRate, I16, graphDefaults.pointsDrawRate),
    KVX_SHORT("Graphs", markerDrawRate, I16, graphDefaults.markerDrawRate),
};

// The settings table lists 45 keys (its introduction counts 47).
static_assert(std::size(keys) == 45);

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
