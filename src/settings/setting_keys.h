#pragma once
// The keys of the settings file in reading order, each with its section, its
// value type, the values it accepts and the default field it feeds.

#include <cstdint>
#include <span>
#include <string_view>

#include "settings/default_records.h"
#include "settings/setting_bounds.h"

namespace kvx {

enum class SettingType { Int16, Real, Keyword };

struct SettingKey {
    std::string_view section;
    std::string_view key;
    SettingType type;
    SettingBounds bounds;
    // Exactly one of the two is set, after `type`.
    int16_t* (*shortField)(DefaultRecords&);
    double* (*realField)(DefaultRecords&);
};

// All keys of the settings file, in the order in which it is read.
std::span<const SettingKey> settingKeys();

// The key of that exact name (case-sensitive), or null.
const SettingKey* findSettingKey(std::string_view key);

}  // namespace kvx
