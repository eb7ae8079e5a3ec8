#pragma once
// The values that the numeric settings may take. Beyond them a window, a
// font, a pen or a tick count asks for more memory or drawing than any
// picture can use: the settings loader takes the built-in default instead,
// and the per-graph setters hold a value to the nearest bound.

#include <algorithm>
#include <cstdint>

namespace kvx {

struct SettingBounds {
    double min;
    double max;

    // False also for a value that is not a number.
    constexpr bool contains(double v) const { return min <= v && v <= max; }
    constexpr int16_t clamp(int16_t v) const
    {
        return static_cast<int16_t>(std::clamp<double>(v, min, max));
    }
};

namespace bounds {

// The largest side of a window or picture in pixels; the batch option
// --size takes the same.
inline constexpr int maxPictureSide = 16000;

// Window sizes, and every length in pixels that may reach across a picture.
inline constexpr SettingBounds windowSize{1, maxPictureSide};
inline constexpr SettingBounds indent{0, maxPictureSide};
inline constexpr SettingBounds distance{-maxPictureSide, maxPictureSide};
inline constexpr SettingBounds windowPosition{-maxPictureSide, maxPictureSide};
// The legend box is measured in 16-bit pixels, together with its labels.
inline constexpr SettingBounds legendDistance{0, 1000};
inline constexpr SettingBounds fontSize{1, 200};
// Pens, dots and markers: the menus offer up to 10 and 30 pixels.
inline constexpr SettingBounds lineWidth{1, 100};
inline constexpr SettingBounds dotOrMarkerSize{1, 100};
inline constexpr SettingBounds drawRate{1, INT16_MAX};
inline constexpr SettingBounds tickCount{1, 100};
// A double carries 17 significant digits.
inline constexpr SettingBounds maxDigits{1, 17};
inline constexpr SettingBounds numColors{1, INT16_MAX};
inline constexpr SettingBounds zoomFactor{0.01, 100};
inline constexpr SettingBounds printFactor{0.01, 100};
inline constexpr SettingBounds autoRangeExcess{0, 10};
// Keyword settings are checked against the keyword table instead.
inline constexpr SettingBounds any{INT16_MIN, INT16_MAX};

}  // namespace bounds

}  // namespace kvx
