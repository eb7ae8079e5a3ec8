#include "files/table_fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvx {
namespace {

std::vector<std::string> split(std::string_view line, char separator)
{
    std::vector<std::string_view> fields;
    std::string scratch;
    splitTableFields(line, separator, fields, scratch);
    return {fields.begin(), fields.end()};
}

TEST(TableFields, SeparatorsQuotesAndEmptyFieldsAsSpreadsheetsWriteThem)
{
    using Fields = std::vector<std::string>;
    EXPECT_EQ(split("time, temp ,\"a, \"\"b\"\"\"", ','), (Fields{"time", "temp", "a, \"b\""}));
    EXPECT_EQ(split("2,,30,", ','), (Fields{"2", "", "30", ""}));
    EXPECT_EQ(split("0;20,5;\"x;y\"", ';'), (Fields{"0", "20,5", "x;y"}));
    EXPECT_EQ(split("1\t\t3", '\t'), (Fields{"1", "", "3"}));
    EXPECT_EQ(split("  1   2\t3  ", ' '), (Fields{"1", "2", "3"}));
    EXPECT_EQ(split("\"a b\" 2", ' '), (Fields{"a b", "2"}));
    EXPECT_EQ(split("\"open", ','), (Fields{"open"}));  // a quote never closed ends with the line

    EXPECT_EQ(tableSeparator({"time;temp", "0;20,5"}), ';');
    EXPECT_EQ(tableSeparator({"time,temp", "0,20.5"}), ',');
    EXPECT_EQ(tableSeparator({"a\tb", "1\t2,5"}), '\t');
    EXPECT_EQ(tableSeparator({"\"a,b\" c", "1 2"}), ' ');  // the comma stands inside quotes
    EXPECT_EQ(tableSeparator({"1 2", "3 4"}), ' ');
}

}  // namespace
}  // namespace kvx
