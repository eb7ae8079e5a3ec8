#include "dialogs/dialog_template_parser.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <utility>

namespace kvx {

namespace {

struct Token {
    std::string text;
    bool quoted = false;
};

// Words and "quoted texts" (a backslash keeps the next character).
std::optional<std::vector<Token>> tokenize(std::string_view line)
{
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '"') {
            Token token{{}, true};
            ++i;
            while (i < line.size() && line[i] != '"') {
                if (line[i] == '\\' && i + 1 < line.size()) {
                    ++i;
                    token.text += line[i] == 'n' ? '\n' : line[i];
                    ++i;
                    continue;
                }
                token.text += line[i++];
            }
            if (i == line.size()) {
                return std::nullopt;
            }
            ++i;
            tokens.push_back(std::move(token));
        } else {
            const std::size_t start = i;
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' && line[i] != '"') {
                ++i;
            }
            tokens.push_back({std::string(line.substr(start, i - start)), false});
        }
    }
    return tokens;
}

std::optional<int> number(const Token& token)
{
    if (token.quoted) {
        return std::nullopt;
    }
    int value = 0;
    const char* end = token.text.data() + token.text.size();
    const auto [ptr, ec] = std::from_chars(token.text.data(), end, value);
    if (ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

constexpr std::array<std::pair<std::string_view, ControlKind>, 11> kinds{{
    {"label", ControlKind::Label},
    {"field", ControlKind::Field},
    {"list", ControlKind::List},
    {"multilist", ControlKind::MultiList},
    {"drawnlist", ControlKind::DrawnList},
    {"check", ControlKind::Check},
    {"radio", ControlKind::Radio},
    {"button", ControlKind::Button},
    {"picture", ControlKind::Picture},
    {"group", ControlKind::Group},
    {"row", ControlKind::Row},
}};

class Parser {
public:
    // The control of one line, or an error text.
    std::string parseControl(const std::vector<Token>& tokens, ControlTemplate& control)
    {
        tokens_ = &tokens;
        at_ = 1;
        const auto kind = std::find_if(kinds.begin(), kinds.end(),
                                       [&](const auto& k) { return k.first == tokens[0].text; });
        if (tokens[0].quoted || kind == kinds.end()) {
            return "unknown control kind '" + tokens[0].text + "'";
        }
        control.kind = kind->second;
        if (at_ < tokens.size()) {
            if (const auto id = number(tokens[at_])) {
                control.id = *id;
                ++at_;
            }
        }
        if (at_ < tokens.size() && tokens[at_].quoted) {
            control.text = tokens[at_++].text;
        }
        while (at_ < tokens.size()) {
            const std::string error = option(control);
            if (!error.empty()) {
                return error;
            }
        }
        return {};
    }

private:
    bool numbers(int& first)
    {
        if (at_ >= tokens_->size()) {
            return false;
        }
        const auto value = number((*tokens_)[at_]);
        if (!value) {
            return false;
        }
        first = *value;
        ++at_;
        return true;
    }

    std::string option(ControlTemplate& control)
    {
        const Token& name = (*tokens_)[at_++];
        bool ok = true;
        if (name.text == "at") {
            ok = numbers(control.row) && numbers(control.column);
        } else if (name.text == "span") {
            ok = numbers(control.rowSpan) && numbers(control.columnSpan);
        } else if (name.text == "size") {
            ok = numbers(control.width) && numbers(control.height);
        } else if (name.text == "for") {
            ok = numbers(control.buddy);
        } else if (name.text == "tabs") {
            ok = numbers(control.tabStop);
        } else if (name.text == "width") {
            ok = numbers(control.width);
        } else if (name.text == "rows") {
            ok = numbers(control.height);
        } else if (name.text == "limit") {
            ok = numbers(control.maxLength);
        } else if (name.text == "readonly") {
            control.readOnly = true;
        } else if (name.text == "default") {
            control.isDefault = true;
        } else {
            return "unknown option '" + name.text + "'";
        }
        return ok ? std::string() : "option '" + name.text + "' needs numbers";
    }

    const std::vector<Token>* tokens_ = nullptr;
    std::size_t at_ = 0;
};

}  // namespace

ParsedDialogs parseDialogTemplates(std::string_view text)
{
    ParsedDialogs result;
    // The containers open at this line: the dialog's control list, then the
    // children of each open group or row.
    std::vector<std::vector<ControlTemplate>*> open;
    int lineNumber = 0;
    auto fail = [&](const std::string& what) {
        result.error = "line " + std::to_string(lineNumber) + ": " + what;
        return result;
    };
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);

        const auto tokens = tokenize(line);
        if (!tokens) {
            return fail("a quoted text does not end");
        }
        if (tokens->empty() || (!(*tokens)[0].quoted && (*tokens)[0].text.starts_with('#'))) {
            continue;
        }
        const Token& first = (*tokens)[0];
        if (first.text == "dialog" && !first.quoted) {
            if (!open.empty()) {
                return fail("a dialog inside a dialog");
            }
            if (tokens->size() != 3 || (*tokens)[1].quoted || !(*tokens)[2].quoted) {
                return fail("dialog NAME \"Caption\" expected");
            }
            result.dialogs.push_back({(*tokens)[1].text, (*tokens)[2].text, {}});
            open.push_back(&result.dialogs.back().controls);
        } else if (first.text == "end" && !first.quoted) {
            if (open.empty()) {
                return fail("'end' without a dialog");
            }
            open.pop_back();
        } else {
            if (open.empty()) {
                return fail("a control outside a dialog");
            }
            ControlTemplate control;
            const std::string error = Parser().parseControl(*tokens, control);
            if (!error.empty()) {
                return fail(error);
            }
            open.back()->push_back(std::move(control));
            if (open.back()->back().kind == ControlKind::Group || open.back()->back().kind == ControlKind::Row) {
                open.push_back(&open.back()->back().children);
            }
        }
    }
    if (!open.empty()) {
        return fail("the last dialog has no 'end'");
    }
    return result;
}

}  // namespace kvx
