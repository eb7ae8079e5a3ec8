#pragma once
// The fields of the lines of a table as spreadsheets and data loggers write
// them: separated by commas, semicolons, tabs or runs of blanks, and
// quoted where they hold the separator ("a, b"; a quote inside quotes is
// doubled, as RFC 4180 has it).

#include <string>
#include <string_view>
#include <vector>

namespace kvx {

// The separator of a table, found from its first lines: a tab, semicolon
// or comma (in that order of precedence) that stands outside quotes on
// every one of them, else ' ' for runs of blanks.
char tableSeparator(const std::vector<std::string_view>& firstLines);

// Splits `line` at `separator` (' ' for runs of blanks and tabs). Fields
// lose their surrounding blanks and quotes. The views point into `line`,
// or into `scratch` for a quoted field with doubled quotes, so both must
// outlive them; `fields` and `scratch` are reused from line to line.
void splitTableFields(std::string_view line, char separator, std::vector<std::string_view>& fields,
                      std::string& scratch);

}  // namespace kvx
