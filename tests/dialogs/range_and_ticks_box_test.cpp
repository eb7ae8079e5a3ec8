// "Set Range & Ticks" driven as the user would: what it shows, what OK
// takes or refuses, and the automatic ticks it proposes.

#include "dialogs/range_and_ticks_box.h"

#include <gtest/gtest.h>

#include "dialogs/control_ids.h"

#include <array>
#include <string>

#include "dialogs/dialog_templates.h"
#include "window/plot.h"
#include "model/app_context.h"
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
        plot_.axes().setTicks({{2, 1}, {2, 1}});
    }
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
        const std::array<int, 8> ids{IDC_X_MIN, IDC_X_MAX, IDC_Y_MIN, IDC_Y_MAX, IDC_X_TICK, IDC_X_SUBTICK,
            IDC_Y_TICK, IDC_Y_SUBTICK};
        for (std::size_t i = 0; i < ids.size(); ++i) {
            c.type(ids[i], texts[i]);
        }
    }

    test::RecordingDesktop desktop_;
    AppContext context_{desktop_};
    Plot plot_{"p"};
};

TEST_F(RangeAndTicksBoxTest, OpensWithTheShownDigitsAndOkTakesThemRememberingTheOldRange)
{
    plot_.axes().setRange(0.1234567, 10, -5, 5, false);
    plot_.axes().setTicks({{2, 0.5}, {1, 0.25}});
    desktop_.dialogScripts.push_back([](RecordingDialogControls& c, DialogHandler& handler) {
        EXPECT_EQ(c.control(IDC_X_MIN).text, "0.123457");
        EXPECT_TRUE(c.control(IDC_X_MIN).textSelected);
        EXPECT_EQ(c.focus(), IDC_X_MIN);
        EXPECT_EQ(c.control(IDC_X_MAX).text, "10");
        EXPECT_EQ(c.control(IDC_Y_MIN).text, "-5");
        EXPECT_EQ(c.control(IDC_X_TICK).text, "2");
        EXPECT_EQ(c.control(IDC_X_SUBTICK).text, "0.5");
        EXPECT_EQ(c.control(IDC_Y_TICK).text, "1");
        EXPECT_EQ(c.control(IDC_Y_SUBTICK).text, "0.25");
        c.press(handler, IDOK);
    });
    showRangeAndTicksBox(plot_);

    ASSERT_EQ(desktop_.dialogRuns.size(), 1u);
    EXPECT_EQ(desktop_.dialogRuns[0].name, "RangeAndTicksBox");
    EXPECT_EQ(desktop_.dialogRuns[0].controls.result(), IDOK);
    const RangeSet r = plot_.axes().currentRange();
    EXPECT_EQ(r.x.min, 0.123457);
    EXPECT_EQ(r.y.min, -5);
    EXPECT_EQ(r.x.tick, 2);
    EXPECT_EQ(r.x.subTick, 0.5);
    EXPECT_EQ(r.y.tick, 1);
    EXPECT_EQ(r.y.subTick, 0.25);
    EXPECT_EQ(plot_.axes().x().last().min, 0.1234567);  // "Last" goes back to it
    EXPECT_TRUE(desktop_.boxes.empty());
}

TEST_F(RangeAndTicksBoxTest, OnATimeAxisTheXBoundsAreDatesAndTimesAndStayExact)
{
    const double t = 1796685326.25;  // 2026-12-07 23:15:26.25
    ASSERT_TRUE(plot_.axes().setRangeAndKinds(t, t + 3600, 0, 10, AxisKind::Time, AxisKind::Linear, false));
    RangeAndTicksBox box(plot_);
    RecordingDialogControls c = open(box);
    EXPECT_EQ(c.control(IDC_X_MIN).text, "2026-12-07 23:15:26.25");
    EXPECT_EQ(c.control(IDC_X_MAX).text, "2026-12-08 00:15:26.25");
    c.press(box, IDOK);
    EXPECT_EQ(plot_.axes().x().current().min, t);  // unchanged by the round trip

    RecordingDialogControls typed = open(box);
    typed.type(IDC_X_MIN, "2026-12-08");
    typed.type(IDC_X_MAX, "1796774400");  // seconds still read as they are
    typed.press(box, IDOK);
    EXPECT_EQ(plot_.axes().x().current().min, 1796688000.0);
    EXPECT_EQ(plot_.axes().x().current().max, 1796774400.0);
    EXPECT_EQ(plot_.axes().x().kind(), AxisKind::Time);
}

TEST_F(RangeAndTicksBoxTest, FaultyFieldsKeepTheDialogOpenWithTheLastInReadingOrderFocused)
{
    const RangeSet before = plot_.axes().currentRange();
    RangeAndTicksBox box(plot_);
    RecordingDialogControls c = open(box);

    c.type(IDC_X_MIN, "1,5");
    c.press(box, IDOK);
    EXPECT_FALSE(c.ended());
    EXPECT_TRUE(c.control(IDC_X_MIN).textSelected);
    EXPECT_EQ(c.focus(), IDC_X_MIN);

    // The y tick is read before the x sub-tick.
    c.type(IDC_X_MIN, "0");
    c.type(IDC_X_SUBTICK, "abc");
    c.type(IDC_Y_TICK, "x");
    c.press(box, IDOK);
    EXPECT_FALSE(c.ended());
    EXPECT_TRUE(c.control(IDC_X_SUBTICK).textSelected);
    EXPECT_TRUE(c.control(IDC_Y_TICK).textSelected);
    EXPECT_EQ(c.focus(), IDC_X_SUBTICK);
    EXPECT_TRUE(desktop_.boxes.empty());

    // An empty tick field reads as 0: infinitely many ticks.
    c.type(IDC_X_SUBTICK, "1");
    c.type(IDC_Y_TICK, "2");
    c.type(IDC_X_TICK, "");
    c.press(box, IDOK);
    EXPECT_FALSE(c.ended());
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_EQ(desktop_.boxes[0].text, "Too many Tickmarks!\n");
    EXPECT_EQ(desktop_.boxes[0].caption, "Warning");

    // Bounds whose distance is beyond a double have no scale.
    c.type(IDC_X_TICK, "2");
    c.type(IDC_X_MIN, "-1e308");
    c.type(IDC_X_MAX, "1e308");
    c.press(box, IDOK);
    EXPECT_FALSE(c.ended());
    EXPECT_TRUE(c.control(IDC_X_MIN).textSelected);
    EXPECT_EQ(c.focus(), IDC_X_MIN);
    c.press(box, IDC_AUTO_TICKS);
    EXPECT_EQ(c.control(IDC_X_TICK).text, "2");  // no proposal for it either
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
    EXPECT_EQ(plot_.axes().x().current().max, 1000);
    EXPECT_EQ(plot_.axes().x().current().tick, 2.5);
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
    EXPECT_EQ(plot_.axes().x().current().min, 0);
    EXPECT_EQ(plot_.axes().x().current().max, 10);
    EXPECT_EQ(plot_.axes().y().current().min, -3);

    EXPECT_EQ(accept({"5", "5", "-1", "1", "1", "0.5", "1", "0.5"}), IDOK);
    EXPECT_EQ(plot_.axes().x().current().min, 0);
    EXPECT_EQ(plot_.axes().x().current().max, 10);
    EXPECT_EQ(plot_.axes().y().current().min, -3);
    EXPECT_EQ(plot_.axes().x().current().tick, 1);
    EXPECT_EQ(plot_.axes().x().current().subTick, 0.5);
}

TEST_F(RangeAndTicksBoxTest, AutoTicksFillTheFieldsForTheTypedRangeOnly)
{
    const RangeSet before = plot_.axes().currentRange();
    RangeAndTicksBox box(plot_);
    RecordingDialogControls c = open(box);
    // 10 / 6 rounds to 2, 100 / 6 to 20; the sub-ticks are halves.
    c.type(IDC_X_MIN, "10");
    c.type(IDC_X_MAX, "0");
    c.type(IDC_Y_MAX, "100");
    c.press(box, IDC_AUTO_TICKS);
    EXPECT_EQ(c.control(IDC_X_TICK).text, "2");
    EXPECT_EQ(c.control(IDC_X_SUBTICK).text, "1");
    EXPECT_EQ(c.control(IDC_Y_TICK).text, "20");
    EXPECT_EQ(c.control(IDC_Y_SUBTICK).text, "10");
    // A range field that is no number proposes nothing.
    c.type(IDC_Y_MIN, "y");
    c.type(IDC_X_TICK, "7");
    c.press(box, IDC_AUTO_TICKS);
    EXPECT_EQ(c.control(IDC_X_TICK).text, "7");
    EXPECT_EQ(c.focus(), IDC_Y_MIN);
    c.press(box, IDCANCEL);
    EXPECT_TRUE(c.ended());
    EXPECT_EQ(plot_.axes().currentRange(), before);

    // With equal axes both take the larger spacing.
    plot_.setAspectRatio(AXES_EQUAL);
    RangeAndTicksBox equal(plot_);
    RecordingDialogControls e = open(equal);
    e.type(IDC_Y_MAX, "100");  // x still 0 to 10
    e.press(equal, IDC_AUTO_TICKS);
    EXPECT_EQ(e.control(IDC_X_TICK).text, "20");
    EXPECT_EQ(e.control(IDC_X_SUBTICK).text, "10");
    EXPECT_EQ(e.control(IDC_Y_TICK).text, "20");
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
    EXPECT_FALSE(c.control(IDC_LOG_X).checked);

    c.press(box, IDC_LOG_X);
    EXPECT_EQ(c.control(IDC_X_MIN).text, "0.01");
    EXPECT_EQ(c.control(IDC_X_MAX).text, "100");
    EXPECT_EQ(c.control(IDC_X_TICK).text, "1");  // a decade
    // Typed bounds that the logarithmic axis cannot show are refused.
    c.type(IDC_X_MIN, "0");
    c.press(box, IDOK);
    EXPECT_FALSE(c.ended());
    EXPECT_EQ(c.focus(), IDC_X_MIN);
    c.type(IDC_X_MIN, "0.1");
    c.press(box, IDOK);
    ASSERT_TRUE(c.ended());
    EXPECT_TRUE(plot_.axes().x().log());
    EXPECT_FALSE(plot_.axes().y().log());
    EXPECT_EQ(plot_.axes().x().current().min, 0.1);
    EXPECT_EQ(plot_.axes().x().current().tick, 1.0);
}

TEST_F(RangeAndTicksBoxTest, ALogCheckWithoutPositiveValuesGoesBackAndSaysWhy)
{
    const int16_t g = plot_.addGraph();
    plot_.append(1.0, -1.0, g);
    plot_.append(2.0, 0.0, g);
    RangeAndTicksBox box(plot_);
    RecordingDialogControls c = open(box);
    c.press(box, IDC_LOG_Y);
    EXPECT_FALSE(c.control(IDC_LOG_Y).checked);
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_EQ(c.control(IDC_Y_MIN).text, "0");  // the range stays as it was shown
}

}  // namespace
}  // namespace kvx
