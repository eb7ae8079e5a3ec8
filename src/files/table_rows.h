#pragma once
// The rows of a table: what each field of a line holds, and the fast way
// through runs of lines whose fields all read without a word to the user.

#include <atomic>
#include <cstddef>
#include <string_view>

#include "files/number_rows.h"

namespace kvx {

enum class TableField { Value, Missing, Text };

// A field as a value: a number (with a decimal comma where `decimalComma`),
// or in the x column (`x`) a date and time, which sets `time`. Empty
// fields and the marks "NaN", "nan", "NA", "N/A", "null" and "-" are
// missing values; anything else is text.
TableField tableField(std::string_view field, bool x, bool decimalComma, double& out, bool& time);

// How the lines of a table under way read.
struct TableRowRules {
    char separator = ' ';
    std::size_t columns = 0;     // x and one column a graph
    bool textReported = false;   // a text field now reads as missing, without a word
    bool extraReported = false;  // fields beyond the columns are now left out without a word
};

// Adds to `rows` the lines of `text` (each ending at an LF, none holding a
// CR) as `columns` values a line, a missing value as NaN (no number reads
// as NaN), up to the first line that must go the line-by-line way: a "NEW"
// line, or one whose text or extra fields call for a warning. Sets
// `timeStamps` where an x value was a date and time. Stops early, as before
// an untaken line, once `cancel` is set.
void parseTableRows(std::string_view text, const TableRowRules& rules, NumberRows& rows,
                    const std::atomic<bool>* cancel = nullptr);

}  // namespace kvx
