#include "dialogs/dialog_fields.h"

#include <charconv>
#include <cmath>

#include "model/graph_clipboard.h"
#include "model/plot.h"

namespace kvx {

namespace {

constexpr std::size_t maxNumberLength = 19;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The whole text as one decimal number, or false.
bool parseWholeReal(std::string_view text, double& value)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::string_view rest = text.substr(i);
    // Decimal numbers only: "inf", "nan" and hexadecimal are no range.
    const bool startsNumber =
        !rest.empty() && (isDigit(rest[0]) || (rest[0] == '.' && rest.size() > 1 && isDigit(rest[1])));
    if (!startsNumber) {
        return false;
    }
    double number = 0.0;
    const char* end = rest.data() + rest.size();
    const auto [stop, ec] = std::from_chars(rest.data(), end, number, std::chars_format::general);
    if (ec != std::errc() || stop != end) {
        return false;  // a tail that is no part of the number, or beyond a double's range
    }
    value = negative ? -number : number;
    return true;
}

bool refuse(DialogControls& dialog, int id)
{
    dialog.selectAllText(id);
    dialog.setFocus(id);
    return false;
}

}  // namespace

bool readDialogReal(DialogControls& dialog, int id, double& value)
{
    const std::string text = dialog.text(id);
    const std::string_view head = std::string_view(text).substr(0, maxNumberLength);
    if (head.empty()) {
        value = 0.0;
        return true;
    }
    double number = 0.0;
    if (!parseWholeReal(head, number)) {
        return refuse(dialog, id);
    }
    value = number;
    return true;
}

bool readDialogShort(DialogControls& dialog, int id, int16_t& value)
{
    double number = 0.0;
    if (!readDialogReal(dialog, id, number)) {
        return false;
    }
    // fmod is exact, so the low 16 bits of the integer survive any magnitude.
    const double low = std::fmod(std::trunc(number), 65536.0);
    value = static_cast<int16_t>(static_cast<uint16_t>(static_cast<int32_t>(low)));
    return true;
}

std::string graphListEntry(int number, std::string_view lable)
{
    std::string line = std::to_string(number);
    line += '\t';
    line += lable;
    return line;
}

std::vector<std::string> graphListEntries(const Plot& plot)
{
    std::vector<std::string> lines;
    int number = 0;
    for (const Graph& graph : plot.graphs()) {
        lines.push_back(graphListEntry(++number, graph.lable()));
    }
    return lines;
}

std::vector<std::string> graphListEntries(const GraphClipboard& clipboard)
{
    std::vector<std::string> lines;
    int number = 0;
    for (const Graph& graph : clipboard.graphs()) {
        lines.push_back(graphListEntry(++number, graph.lable()));
    }
    return lines;
}

std::vector<int> allEntries(int count)
{
    std::vector<int> entries;
    for (int i = 0; i < count; ++i) {
        entries.push_back(i);
    }
    return entries;
}

}  // namespace kvx
