#include "settings/settings_loader.h"

#include <string>

#include "platform/desktop.h"
#include "settings/default_records.h"
#include "settings/profile.h"
#include "settings/setting_keys.h"

namespace kvx {

void setBuiltInDefaults()
{
    defaultRecords() = DefaultRecords{};
    loadSettings();
}

void loadSettings()
{
    Desktop& desktop = Desktop::current();
    if (const auto home = desktop.readUserValue(settingsUserKey, settingsHomeValue);
        home && !home->empty()) {
        loadSettingsFile(*home);
    }
    loadSettingsFile(desktop.workingDirectory());
}

void loadSettingsFile(std::string_view folder)
{
    std::string path(folder);
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    path += settingsFileName;

    Profile profile(path, true);
    DefaultRecords& records = defaultRecords();
    DefaultRecords builtIn;
    for (const SettingKey& k : settingKeys()) {
        switch (k.type) {
        case SettingType::Int16: {
            int16_t& field = *k.shortField(records);
            if (profile.readShort(k.section, k.key, field) && !k.bounds.contains(field)) {
                field = *k.shortField(builtIn);
            }
            break;
        }
        case SettingType::Keyword:
            profile.readKeyword(k.section, k.key, *k.shortField(records));
            break;
        case SettingType::Real: {
            double& field = *k.realField(records);
            if (profile.readReal(k.section, k.key, field) && !k.bounds.contains(field)) {
                field = *k.realField(builtIn);
            }
            break;
        }
        }
    }
    records.plotDefaults.activeIndents = records.plotDefaults.indents;
}

}  // namespace kvx
