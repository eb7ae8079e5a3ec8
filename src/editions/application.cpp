#include "editions/application.h"

#include <cmath>
#include <string>

#include "app/errors.h"
#include "platform/decimal_text.h"
#include "settings/default_records.h"
#include "settings/keywords.h"
#include "settings/setting_keys.h"
#include "settings/settings_loader.h"

namespace kvx {

namespace {

void refuseParameter()
{
    reportError(ERR_MESSAGE, "Undefined 'Default Parameter' or wrong format!", true, nullptr);
}

bool isKeyword(int16_t value)
{
    std::string keyword;
    return valueToKeyword(value, keyword);
}

// The indents that new plots start with follow the stored ones.
void followIndents(std::string_view key)
{
    if (key.starts_with("indent")) {
        PlotSettings& defaults = plotDefaults();
        defaults.activeIndents = defaults.indents;
    }
}

bool setKnownKey(const SettingKey& k, double value)
{
    if (!std::isfinite(value)) {
        return false;
    }
    switch (k.type) {
    case SettingType::Real:
        if (!k.bounds.contains(value)) {
            return false;
        }
        *k.realField(defaultRecords()) = value;
        return true;
    case SettingType::Int16: {
        const int16_t v = lowSixteenBits(value);
        if (!k.bounds.contains(v)) {
            return false;
        }
        *k.shortField(defaultRecords()) = v;
        return true;
    }
    case SettingType::Keyword: {
        const int16_t v = lowSixteenBits(value);
        if (!isKeyword(v)) {
            return false;
        }
        *k.shortField(defaultRecords()) = v;
        return true;
    }
    }
    return false;
}

}  // namespace

void initApplication()
{
    installOutOfMemoryHandler();
    setRunState(RUN_RUNNING);
    setBuiltInDefaults();
}

double setDefaultParameter(std::string_view key, double value)
{
    if (key == "userInterface") {
        const int16_t v = std::isfinite(value) ? lowSixteenBits(value) : 0;
        if (v == SHOW || v == HIDE) {
            plotDefaults().userInterface = v;
        } else {
            refuseParameter();
        }
        return value;
    }
    const SettingKey* k = findSettingKey(key);
    if (!k || !setKnownKey(*k, value)) {
        refuseParameter();
        return value;
    }
    followIndents(key);
    return value;
}

RunState takeRunState()
{
    const RunState state = runState();
    if (state == RUN_BREAK) {
        setRunState(RUN_RUNNING);
    }
    return state;
}

}  // namespace kvx
