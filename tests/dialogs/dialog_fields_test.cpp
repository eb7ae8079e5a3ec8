#include "dialogs/dialog_fields.h"

#include <gtest/gtest.h>

#include "dialogs/dialog_template_parser.h"
#include "support/recording_dialog_controls.h"

namespace kvx {
namespace {

using test::RecordingDialogControls;

DialogTemplate oneField()
{
    return parseDialogTemplates("dialog F \"f\"\n  field 5\n  field 6\nend\n").dialogs.at(0);
}

TEST(ReadDialogReal, TakesWholeDecimalNumbersAndRefusesEverythingElseLeavingTheValue)
{
    RecordingDialogControls dialog(oneField());
    const std::vector<std::pair<std::string, double>> good{
        {"", 0.0},     {"  -2.5", -2.5},  {"+.5", 0.5},       {"1e3", 1000.0},
        {"1.", 1.0},   {"7E-2", 0.07},    {"0.123457", 0.123457},
        // Only the first 19 characters count.
        {"1234567890123456789xyz", 1234567890123456789.0}};
    for (const auto& [text, expected] : good) {
        dialog.type(5, text);
        double value = 99.0;
        EXPECT_TRUE(readDialogReal(dialog, 5, value)) << text;
        EXPECT_EQ(value, expected) << text;
        EXPECT_FALSE(dialog.control(5).textSelected);
    }
    for (const std::string text : {"1,5", "1-2", "abc", "1 ", " ", "inf", "nan", "0x10", "1e", "1e400", "-"}) {
        dialog.setFocus(6);
        dialog.type(5, text);
        double value = 99.0;
        EXPECT_FALSE(readDialogReal(dialog, 5, value)) << text;
        EXPECT_EQ(value, 99.0) << text;
        EXPECT_TRUE(dialog.control(5).textSelected) << text;
        EXPECT_EQ(dialog.focus(), 5) << text;
    }
}

TEST(ReadDialogShort, TruncatesTowardZeroAndKeepsTheLow16Bits)
{
    RecordingDialogControls dialog(oneField());
    const std::vector<std::pair<std::string, int16_t>> cases{
        {"2.9", 2}, {"-2.9", -2}, {"70000", 4464}, {"40000", -25536}, {"-70000", -4464}, {"1e300", 0}, {"", 0}};
    for (const auto& [text, expected] : cases) {
        dialog.type(5, text);
        int16_t value = 7;
        EXPECT_TRUE(readDialogShort(dialog, 5, value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
    dialog.type(5, "x");
    int16_t value = 7;
    EXPECT_FALSE(readDialogShort(dialog, 5, value));
    EXPECT_EQ(value, 7);
}

}  // namespace
}  // namespace kvx
