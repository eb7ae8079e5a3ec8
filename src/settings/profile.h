#pragma once
// Typed access to one section/key/value file (settings, plot and session
// files), one accessor per file and per load or save. Every value type has a
// fixed textual form: one blank after "=", then the keyword, the text, the
// text in apostrophes, a real as "%.16g" or an integer as "%d".
//
// Reads return true when the key is present and leave the output untouched
// otherwise. A carriage return inside a value reads as a blank, as a write
// stores it. A value is read trimmed of blanks, without one enclosing pair of
// apostrophes or double quotes, and cut to 255 characters; a value that is
// exactly "NoConfig" counts as absent. Writes are collected and reach the
// file by flush() or when the accessor ends; they report no failure.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/profile_document.h"

namespace kvx {

class ReplacingFile;

class Profile {
public:
    static constexpr std::string_view absentMarker = "NoConfig";
    static constexpr std::size_t maxValueLength = 255;

    // Nothing is read before the first operation, so a file that the caller
    // creates after constructing the accessor (a writer's section skeleton)
    // is what the entries are merged into. An accessor never shares what it
    // read with another one, so `keepCache` false has no stale copy to drop;
    // the flag is kept for the callers that state their intent with it.
    Profile(std::string path, bool keepCache);
    ~Profile();
    Profile(const Profile&) = delete;
    Profile& operator=(const Profile&) = delete;

    const std::string& path() const { return path_; }
    bool keepCache() const { return keepCache_; }

    bool readKeyword(std::string_view section, std::string_view key, int16_t& value);
    bool readText(std::string_view section, std::string_view key, std::string& text);
    bool readReal(std::string_view section, std::string_view key, double& value);
    bool readShort(std::string_view section, std::string_view key, int16_t& value);

    bool writeKeyword(std::string_view section, std::string_view key, int16_t value);
    bool writeText(std::string_view section, std::string_view key, std::string_view text);
    bool writeQuotedText(std::string_view section, std::string_view key, std::string_view text);
    bool writeReal(std::string_view section, std::string_view key, double value);
    bool writeShort(std::string_view section, std::string_view key, int16_t value);
    bool writeLong(std::string_view section, std::string_view key, int32_t value);

    // Whether the file could be read; an accessor of a missing file reads
    // every key as absent. Reads the file unless done already.
    bool readable();

    // The entries go into `text` instead of what the file holds, and flush()
    // writes the whole of it: a writer that lays out the sections first
    // composes the file in memory and writes it once.
    void startFrom(std::string_view text);

    // Writes pending entries to the file (creating it); false when the file
    // could not be written, in which case the entries stay pending and
    // `reason`, when given, receives the system's error text.
    bool flush(std::string* reason = nullptr);
    // Hands the whole file with the pending entries to `file` (one of a
    // group that is replaced together) instead of writing it; false when
    // `file` has failed. Nothing more reaches the file at path().
    bool writeTo(ReplacingFile& file);
    // Drops the pending entries: nothing more reaches the file, also not
    // when the accessor ends.
    void discard();

private:
    // The value as the profile layer returns it, "NoConfig" when absent.
    std::string profileString(std::string_view section, std::string_view key);
    std::optional<std::string> presentValue(std::string_view section, std::string_view key);
    void writeEntry(std::string_view section, std::string_view key, std::string_view value);
    ProfileDocument& document();

    std::string path_;
    bool keepCache_;
    std::optional<ProfileDocument> document_;
    bool readable_ = false;
    bool dirty_ = false;
};

// The conversions behind the typed reads, usable on any text.
// Leading decimal number (blanks, sign, digits, point, exponent); 0.0 when
// the text does not start with one. Numbers beyond the range of doubles
// saturate at the largest finite value, so "%.16g" of that value reads back.
double leadingReal(std::string_view text);
// Leading base-10 integer, saturated to the 32-bit range; 0 without digits.
int32_t leadingLong(std::string_view text);
// The decimal text of a real as "%.16g" gives it, independent of the locale.
std::string formatReal(double value);
// The shortest decimal text that reads back as exactly `value`, for the few
// reals that 16 digits would change too much.
std::string formatExactReal(double value);

}  // namespace kvx
