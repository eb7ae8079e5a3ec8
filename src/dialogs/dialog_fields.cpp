#include "dialogs/dialog_fields.h"

#include <charconv>

#include "model/graph_clipboard.h"
#include "dialogs/dialog_plot.h"
#include "platform/decimal_text.h"

namespace kvx {

namespace {

constexpr std::size_t maxNumberLength = 19;

// The whole text as one decimal number, or false.
bool parseWholeReal(std::string_view text, double& value)
{
    const auto start = decimalStart(text);
    if (!start) {
        return false;
    }
    double number = 0.0;
    const std::string_view digits = start->digits;
    const char* end = digits.data() + digits.size();
    const auto [stop, ec] = std::from_chars(digits.data(), end, number, std::chars_format::general);
    if (ec != std::errc() || stop != end) {
        return false;  // a tail that is no part of the number, or beyond a double's range
    }
    value = start->negative ? -number : number;
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
    value = lowSixteenBits(number);
    return true;
}

std::string graphListEntry(int number, std::string_view lable)
{
    std::string line = std::to_string(number);
    line += '\t';
    line += lable;
    return line;
}

std::vector<std::string> graphListEntries(const PlotModel& plot)
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
