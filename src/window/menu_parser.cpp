#include "window/menu_parser.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace kvx {

namespace {

constexpr std::size_t indentStep = 2;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimEnd(std::string_view s)
{
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::string_view skipBlanks(std::string_view s)
{
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    return s;
}

// One meaningful line, split into its parts.
struct Line {
    int number = 0;
    std::size_t depth = 0;
    std::string_view keyword;
    std::string text;
    int command = 0;
};

class Parser {
public:
    explicit Parser(std::string_view text) : rest_(text) {}

    std::optional<MenuTree> run(MenuParseError* error);

private:
    bool nextLine(Line& line);
    bool splitLine(std::string_view body, Line& line);
    bool readText(std::string_view& body, const Line& line, std::string& text);
    bool readCommand(std::string_view body, Line& line);
    bool addEntry(const Line& line);
    bool closeTo(std::size_t depth);
    bool fail(int line, std::string message);

    struct Open {
        std::vector<MenuEntry>* entries;
        int line;  // of the popup, for the fault "has no entries"
    };

    std::string_view rest_;
    int lineNumber_ = 0;
    MenuTree tree_;
    std::vector<Open> open_;
    MenuParseError error_;
};

bool Parser::fail(int line, std::string message)
{
    error_ = {line, std::move(message)};
    return false;
}

// The next line that is neither blank nor a comment; false at the end of
// the text or on a fault (error_ tells which).
bool Parser::nextLine(Line& line)
{
    while (!rest_.empty()) {
        const std::size_t end = rest_.find('\n');
        std::string_view raw = trimEnd(rest_.substr(0, end));
        rest_ = end == std::string_view::npos ? std::string_view{} : rest_.substr(end + 1);
        ++lineNumber_;

        std::size_t indent = 0;
        while (indent < raw.size() && isBlank(raw[indent])) {
            if (raw[indent] == '\t') {
                return fail(lineNumber_, "indent with blanks, not tabs");
            }
            ++indent;
        }
        std::string_view body = raw.substr(indent);
        if (body.empty() || body.front() == '#') continue;
        if (indent % indentStep != 0) {
            return fail(lineNumber_, "indentation must be a multiple of two blanks");
        }
        line = Line{};
        line.number = lineNumber_;
        line.depth = indent / indentStep;
        return splitLine(body, line);
    }
    return false;
}

bool Parser::splitLine(std::string_view body, Line& line)
{
    std::size_t k = 0;
    while (k < body.size() && !isBlank(body[k]) && body[k] != '"') ++k;
    line.keyword = body.substr(0, k);
    body = skipBlanks(body.substr(k));

    if (line.keyword == "SEPARATOR") {
        if (!body.empty()) return fail(line.number, "unexpected text after SEPARATOR");
        return true;
    }
    if (line.keyword != "MENU" && line.keyword != "POPUP" && line.keyword != "ITEM") {
        return fail(line.number, "unknown keyword \"" + std::string(line.keyword)
                                     + "\" (expected POPUP, ITEM or SEPARATOR)");
    }
    if (!readText(body, line, line.text)) return false;
    body = skipBlanks(body);
    if (line.keyword == "ITEM") return readCommand(body, line);
    if (!body.empty()) {
        return fail(line.number, "unexpected text after the text of " + std::string(line.keyword));
    }
    return true;
}

bool Parser::readText(std::string_view& body, const Line& line, std::string& text)
{
    const std::string keyword(line.keyword);
    if (body.empty() || body.front() != '"') {
        return fail(line.number, keyword + " needs a text in double quotes");
    }
    const std::size_t close = body.find('"', 1);
    if (close == std::string_view::npos) return fail(line.number, "missing closing quote");
    text = std::string(body.substr(1, close - 1));
    if (text.empty()) return fail(line.number, "empty text after " + keyword);
    body = body.substr(close + 1);
    return true;
}

bool Parser::readCommand(std::string_view body, Line& line)
{
    if (body.empty() || body.front() != ',') {
        return fail(line.number, "ITEM needs \", <command number>\" after its text");
    }
    body = skipBlanks(body.substr(1));
    if (body.empty()) return fail(line.number, "missing command number after the comma");
    uint32_t value = 0;
    std::size_t k = 0;
    for (; k < body.size() && body[k] >= '0' && body[k] <= '9'; ++k) {
        value = std::min<uint32_t>(value * 10 + static_cast<uint32_t>(body[k] - '0'), 65536);
    }
    if (k == 0) return fail(line.number, "the command number must be written in decimal digits");
    if (k < body.size()) return fail(line.number, "unexpected text after the command number");
    if (value == 0 || value > 65535) {
        return fail(line.number, "the command number must be from 1 to 65535");
    }
    line.command = static_cast<int>(value);
    return true;
}

// Ends the popups deeper than `depth`; each must have received an entry.
bool Parser::closeTo(std::size_t depth)
{
    while (open_.size() > depth + 1) {
        if (open_.back().entries->empty()) {
            return fail(open_.back().line, "POPUP has no entries");
        }
        open_.pop_back();
    }
    return true;
}

bool Parser::addEntry(const Line& line)
{
    if (line.keyword == "MENU") {
        return fail(line.number, "MENU may stand only once, before every other entry");
    }
    if (line.depth >= open_.size()) {
        return fail(line.number,
                    "indented too deep: only the entries of a POPUP are indented, "
                    "two blanks more than the POPUP");
    }
    if (!closeTo(line.depth)) return false;
    if (line.depth == 0 && line.keyword != "POPUP") {
        return fail(line.number, "the top level holds only POPUP entries");
    }

    MenuEntry entry;
    entry.text = line.text;
    entry.command = line.command;
    entry.separator = line.keyword == "SEPARATOR";
    std::vector<MenuEntry>& siblings = *open_.back().entries;
    siblings.push_back(std::move(entry));
    // A sibling is added only after this popup's entries are closed, so the
    // pointer stays valid while the popup is open.
    if (line.keyword == "POPUP") {
        open_.push_back({&siblings.back().children, line.number});
    }
    return true;
}

std::optional<MenuTree> Parser::run(MenuParseError* error)
{
    auto failed = [&]() -> std::optional<MenuTree> {
        if (error) *error = error_;
        return std::nullopt;
    };

    Line line;
    if (!nextLine(line)) {
        if (error_.message.empty()) fail(0, "the text holds no menu");
        return failed();
    }
    if (line.keyword != "MENU" || line.depth != 0) {
        fail(line.number, "the text must begin with MENU \"name\"");
        return failed();
    }
    tree_.name = line.text;
    open_.push_back({&tree_.menus, 0});

    while (nextLine(line)) {
        if (!addEntry(line)) return failed();
    }
    if (!error_.message.empty() || !closeTo(0)) return failed();
    if (tree_.menus.empty()) {
        fail(0, "MENU \"" + tree_.name + "\" holds no POPUP");
        return failed();
    }
    return std::move(tree_);
}

}  // namespace

std::optional<MenuTree> parseMenu(std::string_view text, MenuParseError* error)
{
    return Parser(text).run(error);
}

std::string describe(const MenuParseError& error)
{
    if (error.line <= 0) return error.message;
    return "line " + std::to_string(error.line) + ": " + error.message;
}

}  // namespace kvx
