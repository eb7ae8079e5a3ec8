#pragma once
// The text of one section/key/value file, kept line by line so that writing
// an entry changes nothing else: an existing key is replaced in place, a new
// key goes to the end of its section, a new section to the end of the file.
// Section and key names are matched without regard to letter case; the first
// section and the first key of a name win.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kvx {

// `s` without leading and trailing blanks and tabs.
std::string_view trimBlanks(std::string_view s);

class ProfileDocument {
public:
    ProfileDocument() = default;
    explicit ProfileDocument(std::string_view text);

    // The raw text after the first "=" of the key's line, untrimmed.
    std::optional<std::string_view> value(std::string_view section, std::string_view key) const;

    // Writes the line key=value into the section.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    // The whole file, every line ended by a line feed.
    std::string text() const;

private:
    struct Section {
        std::string header;              // the raw header line; empty for lines before any header
        std::vector<std::string> lines;  // the lines up to the next header
    };

    const Section* findSection(std::string_view name) const;
    static std::optional<std::size_t> findKey(const Section& section, std::string_view key);
    void appendSection(std::string_view name);

    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_;  // lowered name -> first section
};

}  // namespace kvx
