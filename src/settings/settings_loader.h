#pragma once
// Fills the default records from the built-in values and the settings file
// "Kurvex.ini", read first from the folder named by "homeDir" in the per-user
// key store and then from the working directory, whose keys win. Nothing ever
// writes the settings file, and nothing here shows a message.

#include <string_view>

namespace kvx {

// The per-user key that names the home folder, and the settings file's name.
constexpr std::string_view settingsUserKey = "Kurvex/1.x/Settings";
constexpr std::string_view settingsHomeValue = "homeDir";
constexpr std::string_view settingsFileName = "Kurvex.ini";

// The built-in values into the three default records, then loadSettings().
void setBuiltInDefaults();

// Both settings files, through the current Desktop; also the reload command.
void loadSettings();

// One settings file in `folder`: every key that is present (and converts,
// for keyword keys) replaces its default; the rest stays as it was. A number
// outside the bounds of its key gives the built-in default.
void loadSettingsFile(std::string_view folder);

}  // namespace kvx
