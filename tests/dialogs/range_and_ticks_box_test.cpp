// "Set Range & Ticks" driven as the user would: what it shows, what OK
// takes or refuses, and the automatic ticks it proposes.

#include "dialogs/range_and_ticks_box.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "dialogs/dialog_templates.h"
#include "window/plot.h"
#include "settings/default_records.h"
#include "settings/keywords.h"
#include "support/recording_desktop.h"
#include "support/recording_dialog_controls.h"

namespace kvx {
namespace {

using test::RecordingDialogControls;

class RangeAndTicksBoxTest : public testing::Test {
protected:
    RangeAndTicksBoxTest()
    {
        // The frame of the window's last painting: 500 by 400 pixels.
        plot_.view().plotRect = DeviceRect{40, 20, 540, 420};
        plot_.axes().setRange(0, 10, 0, 10, false);
        plot_.axes().setTicks(2, 2, 1, 1);
    }
    ~RangeAndTicksBoxTest() override { defaultRecords() = DefaultRecords{}; }

    RecordingDialogControls open(RangeAndTicksBox& box)
    {
        RecordingDialogControls controls(*dialogTemplate("RangeAndTicksBox"));
        box.opened(controls);
        return controls;
    }
    // Types the eight fields in the order xMin, xMax, yMin, yMax, xTick,
    // xSubTick, yTick, ySubTick.
    static void typeAll(RecordingDialogControls& c, const std::array<std::string, 8>& texts)
    {
        const std::array<int, 8> ids{812, 813, 814, 815, 817, 818, 819, 820};
        for (std::size_t i = 0; i < ids.size(); ++i) {
            c.type(ids[i], texts[i]);
        }
    }

    test::RecordingDesktop desktop_;
    test::ScopedDesktop installed_{desktop_};
    Plot plot_{"p"};
};

TEST_F(RangeAndTicksBoxTest, OpensWithTheShownDigitsAndOkTakesThemRememberingTheOldRange)
{
    plot_.axes().setRange(0.1234567, 10, -5, 5, false);
    plot_.axes().setTicks(2, 1, 0.5, 0.25);
    desktop_.dialogScripts.push_back([](RecordingDialogControls& c, DialogHandler& handler) {
        EXPECT_EQ(c.control(812).text, "0.123457");
        EXPECT_TRUE(c.control(812).textSelected);
        EXPECT_EQ(c.focus(), 812);
        EXPECT_EQ(c.control(813).text, "10");
        EXPECT_EQ(c.control(814).text, "-5");
        EXPECT_EQ(c.control(817).text, "2");
        EXPECT_EQ(c.control(818).text, "0.5");
        EXPECT_EQ(c.control(819).text, "1");
        EXPECT_EQ(c.control(820).text, "0.25");
        c.press(handler, IDOK);
    });
    showRangeAndTicksBox(plot_);

    ASSERT_EQ(desktop_.dialogRuns.size(), 1u);
    EXPECT_EQ(desktop_.dialogRuns[0].name, "RangeAndTicksBox");
    EXPECT_EQ(desktop_.dialogRuns[0].controls.result(), IDOK);
    const RangeSet& r = plot_.axes().currentRange();
    EXPECT_EQ(r.xMin, 0.123457);
    EXPECT_EQ(r.yMin, -5);
    EXPECT_EQ(r.xTick, 2);
    EXPECT_EQ(r.xSubTick, 0.5);
    EXPECT_EQ(r.yTick, 1);
    EXPECT_EQ(r.ySubTick, 0.25);
    EXPECT_EQ(plot_.axes().lastRange().xMin, 0.1234567);  // "Last" goes back to it
    EXPECT_TRUE(desktop_.boxes.empty());
}

TEST_F(RangeAndTicksBoxTest, FaultyFieldsKeepTheDialogOpenWithTheLastInReadingOrderFocused)
{
    const RangeSet before = plot_.axes().currentRange();
    RangeAndTicksBox box(plot_);
    RecordingDialogControls c = open(box);

    c.type(812, "1,5");
    c.press(box, IDOK);
    EXPECT_FALSE(c.ended());
    EXPECT_TRUE(c.control(812).textSelected);
    EXPECT_EQ(c.focus(), 812);

    // The y tick is read before the x sub-tick.
    c.type(812, "0");
    c.type(818, "abc");
    c.type(819, "x");
    c.press(box, IDOK);
    EXPECT_FALSE(c.ended());
    EXPECT_TRUE(c.control(818).textSelected);
    EXPECT_TRUE(c.control(819).textSelected);
    EXPECT_EQ(c.focus(), 818);
    EXPECT_TRUE(desktop_.boxes.empty());

    // An empty tick field reads as 0: infinitely many ticks.
    c.type(818, "1");
    c.type(819, "2");
    c.type(817, "");
    c.press(box, IDOK);
    EXPECT_FALSE(c.ended());
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_EQ(desktop_.boxes[0].text, "Too many Tickmarks!\n");
    EXPECT_EQ(desktop_.boxes[0].caption, "Warning");

    // Bounds whose distance is beyond a double have no scale.
    c.type(817, "2");
    c.type(812, "-1e308");
    c.type(813, "1e308");
    c.press(box, IDOK);
    EXPECT_FALSE(c.ended());
    EXPECT_TRUE(c.control(812).textSelected);
    EXPECT_EQ(c.focus(), 812);
    c.press(box, 821);
    EXPECT_EQ(c.control(817).text, "2");  // no proposal for it either
    EXPECT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_EQ(plot_.axes().currentRange(), before);

    c.press(box, IDCANCEL);
    EXPECT_EQ(c.result(), IDCANCEL);
    EXPECT_EQ(plot_.axes().currentRange(), before);
}

TEST_F(RangeAndTicksBoxTest, TickCountIsCheckedAgainstTheFramesPixels)
{
    RangeAndTicksBox box(plot_);
    RecordingDialogControls c = open(box);
    // 500 x intervals on a frame 500 pixels wide are too many.
    typeAll(c, {"0", "1000", "0", "10", "2", "5", "2", "1"});
    c.press(box, IDOK);
    EXPECT_FALSE(c.ended());
    EXPECT_EQ(desktop_.boxes.size(), 1u);
    // The same range typed high to low has as many.
    typeAll(c, {"1000", "0", "0", "10", "2", "5", "2", "1"});
    c.press(box, IDOK);
    EXPECT_EQ(desktop_.boxes.size(), 2u);
    // Too many y sub-ticks on 400 pixels.
    typeAll(c, {"0", "1000", "0", "10", "2.5", "5", "2", "0.025"});
    c.press(box, IDOK);
    EXPECT_EQ(desktop_.boxes.size(), 3u);
    // 400 intervals pass.
    typeAll(c, {"0", "1000", "0", "10", "2.5", "5", "2", "1"});
    c.press(box, IDOK);
    EXPECT_EQ(c.result(), IDOK);
    EXPECT_EQ(plot_.axes().currentRange().xMax, 1000);
    EXPECT_EQ(plot_.axes().currentRange().xTick, 2.5);
}

TEST_F(RangeAndTicksBoxTest, BoundsAreOrderedAndAnEmptyRangeKeepsTheOldButTakesTheTicks)
{
    const auto accept = [this](const std::array<std::string, 8>& texts) {
        RangeAndTicksBox box(plot_);
        RecordingDialogControls c = open(box);
        typeAll(c, texts);
        c.press(box, IDOK);
        return c.result();
    };
    EXPECT_EQ(accept({"10", "0", "-3", "3", "2", "1", "1", "0.5"}), IDOK);
    EXPECT_EQ(plot_.axes().currentRange().xMin, 0);
    EXPECT_EQ(plot_.axes().currentRange().xMax, 10);
    EXPECT_EQ(plot_.axes().currentRange().yMin, -3);

    EXPECT_EQ(accept({"5", "5", "-1", "1", "1", "0.5", "1", "0.5"}), IDOK);
    EXPECT_EQ(plot_.axes().currentRange().xMin, 0);
    EXPECT_EQ(plot_.axes().currentRange().xMax, 10);
    EXPECT_EQ(plot_.axes().currentRange().yMin, -3);
    EXPECT_EQ(plot_.axes().currentRange().xTick, 1);
    EXPECT_EQ(plot_.axes().currentRange().xSubTick, 0.5);
}

TEST_F(RangeAndTicksBoxTest, AutoTicksFillTheFieldsForTheTypedRangeOnly)
{
    const RangeSet before = plot_.axes().currentRange();
    RangeAndTicksBox box(plot_);
    RecordingDialogControls c = open(box);
    // 10 / 6 rounds to 2, 100 / 6 to 20; the sub-ticks are halves.
    c.type(812, "10");
    c.type(813, "0");
    c.type(815, "100");
    c.press(box, 821);
    EXPECT_EQ(c.control(817).text, "2");
    EXPECT_EQ(c.control(818).text, "1");
    EXPECT_EQ(c.control(819).text, "20");
    EXPECT_EQ(c.control(820).text, "10");
    // A range field that is no number proposes nothing.
    c.type(814, "y");
    c.type(817, "7");
    c.press(box, 821);
    EXPECT_EQ(c.control(817).text, "7");
    EXPECT_EQ(c.focus(), 814);
    c.press(box, IDCANCEL);
    EXPECT_TRUE(c.ended());
    EXPECT_EQ(plot_.axes().currentRange(), before);

    // With equal axes both take the larger spacing.
    plot_.setAspectRatio(AXES_EQUAL);
    RangeAndTicksBox equal(plot_);
    RecordingDialogControls e = open(equal);
    e.type(815, "100");  // x still 0 to 10
    e.press(equal, 821);
    EXPECT_EQ(e.control(817).text, "20");
    EXPECT_EQ(e.control(818).text, "10");
    EXPECT_EQ(e.control(819).text, "20");
}

}  // namespace
}  // namespace kvx

namespace kvx {
namespace {

TEST_F(RangeAndTicksBoxTest, LogChecksProposeTheDecadesAndOkMakesTheAxesLogarithmic)
{
    const int16_t g = plot_.addGraph();
    plot_.append(-1.0, -1.0, g);
    plot_.append(0.01, 100.0, g);
    plot_.append(100.0, 0.5, g);
    RangeAndTicksBox box(plot_);
    RecordingDialogControls c = open(box);
    EXPECT_FALSE(c.control(828).checked);

    c.press(box, 828);
    EXPECT_EQ(c.control(812).text, "0.01");
    EXPECT_EQ(c.control(813).text, "100");
    EXPECT_EQ(c.control(817).text, "1");  // a decade
    // Typed bounds that the logarithmic axis cannot show are refused.
    c.type(812, "0");
    c.press(box, IDOK);
    EXPECT_FALSE(c.ended());
    EXPECT_EQ(c.focus(), 812);
    c.type(812, "0.1");
    c.press(box, IDOK);
    ASSERT_TRUE(c.ended());
    EXPECT_TRUE(plot_.axes().xLog());
    EXPECT_FALSE(plot_.axes().yLog());
    EXPECT_EQ(plot_.axes().currentRange().xMin, 0.1);
    EXPECT_EQ(plot_.axes().currentRange().xTick, 1.0);
}

TEST_F(RangeAndTicksBoxTest, ALogCheckWithoutPositiveValuesGoesBackAndSaysWhy)
{
    const int16_t g = plot_.addGraph();
    plot_.append(1.0, -1.0, g);
    plot_.append(2.0, 0.0, g);
    RangeAndTicksBox box(plot_);
    RecordingDialogControls c = open(box);
    c.press(box, 829);
    EXPECT_FALSE(c.control(829).checked);
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_EQ(c.control(814).text, "0");  // the range stays as it was shown
}

}  // namespace
}  // namespace kvx
