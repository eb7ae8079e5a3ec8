#include "settings/profile_document.h"

#include "platform/ascii_case.h"

namespace kvx {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string lowered(std::string_view s)
{
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

// The name of a section header line ("[name]"), or nothing for other lines.
std::optional<std::string_view> headerName(std::string_view line)
{
    line = trimBlanks(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const auto close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return trimBlanks(line.substr(1, close - 1));
}

bool isEmptyLine(std::string_view line)
{
    return trimBlanks(line).empty();
}

}  // namespace

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

ProfileDocument::ProfileDocument(std::string_view text)
{
    sections_.push_back({});
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (const auto name = headerName(line)) {
            sectionIndex_.try_emplace(lowered(*name), sections_.size());
            sections_.push_back({std::string(line), {}});
        } else {
            sections_.back().lines.emplace_back(line);
        }
        start = end + 1;
    }
}

const ProfileDocument::Section* ProfileDocument::findSection(std::string_view name) const
{
    const auto it = sectionIndex_.find(lowered(trimBlanks(name)));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

std::optional<std::size_t> ProfileDocument::findKey(const Section& section, std::string_view key)
{
    key = trimBlanks(key);
    for (std::size_t i = 0; i < section.lines.size(); ++i) {
        const std::string_view line = section.lines[i];
        const auto eq = line.find('=');
        if (eq != std::string_view::npos && equalNoCase(trimBlanks(line.substr(0, eq)), key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> ProfileDocument::value(std::string_view section,
                                                       std::string_view key) const
{
    const Section* s = findSection(section);
    if (!s) {
        return std::nullopt;
    }
    const auto line = findKey(*s, key);
    if (!line) {
        return std::nullopt;
    }
    const std::string_view text = s->lines[*line];
    return text.substr(text.find('=') + 1);
}

void ProfileDocument::appendSection(std::string_view name)
{
    // Sections are kept apart by one empty line.
    Section& last = sections_.empty() ? sections_.emplace_back() : sections_.back();
    const bool fileEmpty = sections_.size() == 1 && last.lines.empty();
    if (!fileEmpty && !(last.lines.size() > 0 && isEmptyLine(last.lines.back()))) {
        last.lines.emplace_back();
    }
    sectionIndex_.try_emplace(lowered(trimBlanks(name)), sections_.size());
    sections_.push_back({"[" + std::string(name) + "]", {}});
}

void ProfileDocument::setValue(std::string_view section, std::string_view key,
                               std::string_view value)
{
    std::string line = std::string(trimBlanks(key)) + "=" + std::string(value);
    if (!findSection(section)) {
        appendSection(section);
    }
    const std::size_t index = sectionIndex_.at(lowered(trimBlanks(section)));
    Section& s = sections_[index];
    if (const auto existing = findKey(s, key)) {
        s.lines[*existing] = std::move(line);
        return;
    }
    // After the section's last entry, before the empty lines that part it
    // from the next section.
    std::size_t at = s.lines.size();
    while (at > 0 && isEmptyLine(s.lines[at - 1])) {
        --at;
    }
    s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    const bool followed = index + 1 < sections_.size();
    if (followed && at + 1 == s.lines.size()) {
        s.lines.emplace_back();
    }
}

std::string ProfileDocument::text() const
{
    std::string out;
    for (const Section& s : sections_) {
        if (!s.header.empty()) {
            out += s.header;
            out += '\n';
        }
        for (const std::string& line : s.lines) {
            out += line;
            out += '\n';
        }
    }
    return out;
}

}  // namespace kvx
