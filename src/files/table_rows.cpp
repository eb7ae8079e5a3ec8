#include "files/table_rows.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "files/line_reader.h"
#include "files/number_scanner.h"
#include "files/table_fields.h"
#include "files/time_stamp.h"
#include "settings/profile.h"

namespace kvx {

namespace {

bool isMissingMark(std::string_view field)
{
    // Most fields are numbers: their first character rules the marks out.
    if (field.empty()) {
        return true;
    }
    if (field.size() > 4 || (field[0] != 'N' && field[0] != 'n' && field[0] != '-')) {
        return false;
    }
    return field == "NaN" || field == "nan" || field == "NA" || field == "N/A" || field == "null" || field == "-";
}

// A whole field as a number; a decimal comma with `decimalComma`.
std::optional<double> fieldNumber(std::string_view field, bool decimalComma)
{
    if (!field.empty() && field.front() == '+') {
        field.remove_prefix(1);
    }
    std::array<char, 64> buffer{};
    if (decimalComma && field.find(',') != std::string_view::npos) {
        if (field.size() >= buffer.size()) {
            return std::nullopt;
        }
        std::size_t n = 0;
        for (const char c : field) {
            buffer[n++] = c == ',' ? '.' : c;
        }
        field = std::string_view(buffer.data(), n);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (end != field.data() + field.size() || std::isnan(value)) {
        return std::nullopt;
    }
    if (error == std::errc::result_out_of_range) {
        return leadingReal(field);  // saturated, as in every other mode
    }
    return error == std::errc{} ? std::optional<double>(value) : std::nullopt;
}

// Blanks around a field: spaces, and tabs where they do not separate.
bool isFieldBlank(char c, char separator)
{
    return c == ' ' || (c == '\t' && separator != '\t');
}

// The usual row: a number in every column, each converted with one call,
// and nothing beyond them. Appends them; false, with nothing appended, for
// any other line, which then takes the full rules.
bool takeUsualTableRow(std::string_view line, const TableRowRules& rules, std::vector<double>& values)
{
    const std::size_t before = values.size();
    const char* p = line.data();
    const char* const end = p + line.size();
    const char separator = rules.separator;
    for (std::size_t k = 0; k < rules.columns; ++k) {
        while (p < end && isFieldBlank(*p, separator)) {
            ++p;
        }
        double value = 0.0;
        const char* stop = nullptr;
        if (p == end || !NumberScanner::convertsAtOnce(p, end, value, stop)) {
            values.resize(before);
            return false;
        }
        values.push_back(value);
        p = stop;
        const char* const afterNumber = p;
        while (p < end && isFieldBlank(*p, separator)) {
            ++p;
        }
        const bool last = k + 1 == rules.columns;
        const bool separated = separator == ' ' ? p > afterNumber && p < end : p < end && *p == separator;
        if (last ? p != end : !separated) {
            values.resize(before);
            return false;
        }
        if (!last && separator != ' ') {
            ++p;
        }
    }
    return true;
}

// Appends the values of one line; false, with nothing appended, when the
// line must go the line-by-line way.
bool takeTableRow(std::string_view line, const TableRowRules& rules, std::vector<std::string_view>& fields,
                  std::string& scratch, NumberRows& rows)
{
    if (takeUsualTableRow(line, rules, rows.values)) {
        return true;
    }
    splitTableFields(line, rules.separator, fields, scratch);
    if (fields.size() > rules.columns && !rules.extraReported) {
        return false;
    }
    const std::size_t before = rows.values.size();
    const bool decimalComma = rules.separator == ';';
    bool time = false;
    for (std::size_t k = 0; k < rules.columns; ++k) {
        double value = std::numeric_limits<double>::quiet_NaN();
        if (k < fields.size()) {
            double v = 0.0;
            const TableField field = tableField(fields[k], k == 0, decimalComma, v, time);
            if (field == TableField::Text && !rules.textReported) {
                rows.values.resize(before);
                return false;
            }
            if (field == TableField::Value) {
                value = v;
            }
        }
        rows.values.push_back(value);
    }
    rows.timeStamps = rows.timeStamps || time;
    return true;
}

}  // namespace

TableField tableField(std::string_view field, bool x, bool decimalComma, double& out, bool& time)
{
    if (isMissingMark(field)) {
        return TableField::Missing;
    }
    if (const auto number = fieldNumber(field, decimalComma)) {
        out = *number;
        return TableField::Value;
    }
    if (x) {
        if (const auto seconds = parseTimeStamp(field)) {
            out = *seconds;
            time = true;
            return TableField::Value;
        }
    }
    return TableField::Text;
}

void parseTableRows(std::string_view text, const TableRowRules& rules, NumberRows& rows,
                    const std::atomic<bool>* cancel)
{
    std::vector<std::string_view> fields;
    std::string scratch;
    parseLines(text, rows, cancel, [&](const char*& p, const char* end) {
        const char* next = nullptr;
        const std::string_view line = lineAt(p, end, next);
        if (LineReader::carriesContent(line) &&
            (startsBlock(line) || !takeTableRow(line, rules, fields, scratch, rows))) {
            return false;
        }
        p = next;
        return true;
    });
}

}  // namespace kvx
