#include "files/table_fields.h"

#include <algorithm>
#include <array>

#include "settings/profile_document.h"

namespace kvx {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

bool standsOutsideQuotes(std::string_view line, char separator)
{
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == separator && !quoted) {
            return true;
        }
    }
    return false;
}

// A quoted field from its opening quote at `pos`; `pos` ends after the
// closing quote. Doubled quotes become one, in `scratch`.
std::string_view quotedField(std::string_view line, std::size_t& pos, std::string& scratch)
{
    const std::size_t start = ++pos;
    bool doubled = false;
    while (pos < line.size()) {
        if (line[pos] == '"') {
            if (pos + 1 < line.size() && line[pos + 1] == '"') {
                doubled = true;
                pos += 2;
                continue;
            }
            break;
        }
        ++pos;
    }
    const std::string_view inside = line.substr(start, pos - start);
    pos = std::min(pos + 1, line.size());  // past the closing quote, if there is one
    if (!doubled) {
        return inside;
    }
    const std::size_t from = scratch.size();
    for (std::size_t i = 0; i < inside.size(); ++i) {
        scratch += inside[i];
        if (inside[i] == '"') {
            ++i;  // the second of a doubled quote
        }
    }
    return std::string_view(scratch).substr(from);
}

}  // namespace

char tableSeparator(const std::vector<std::string_view>& firstLines)
{
    for (const char candidate : std::array{'\t', ';', ','}) {
        bool everywhere = !firstLines.empty();
        for (const std::string_view line : firstLines) {
            everywhere = everywhere && standsOutsideQuotes(line, candidate);
        }
        if (everywhere) {
            return candidate;
        }
    }
    return ' ';
}

void splitTableFields(std::string_view line, char separator, std::vector<std::string_view>& fields,
                      std::string& scratch)
{
    fields.clear();
    scratch.clear();
    // Views into scratch stay valid only while it does not grow beyond this.
    scratch.reserve(line.size());
    const bool blanks = separator == ' ';
    std::size_t pos = 0;
    while (true) {
        while (pos < line.size() && isBlank(line[pos]) && (blanks || line[pos] != separator)) {
            ++pos;
        }
        if (blanks && pos == line.size()) {
            return;
        }
        std::string_view field;
        if (pos < line.size() && line[pos] == '"') {
            field = quotedField(line, pos, scratch);
            while (pos < line.size() && line[pos] != separator && !(blanks && isBlank(line[pos]))) {
                ++pos;  // text after the closing quote is dropped
            }
        } else {
            const std::size_t start = pos;
            while (pos < line.size() && line[pos] != separator && !(blanks && isBlank(line[pos]))) {
                ++pos;
            }
            field = trimBlanks(line.substr(start, pos - start));
        }
        fields.push_back(field);
        if (pos >= line.size()) {
            return;
        }
        if (!blanks) {
            ++pos;  // past the separator
            if (pos == line.size()) {
                fields.emplace_back();  // a separator at the end leaves an empty last field
                return;
            }
        }
    }
}

}  // namespace kvx
