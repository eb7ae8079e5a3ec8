// kurvex-samples on the recording desktop: its two windows, the curves it
// computes point by point, and what Break and the end of the session do to
// the computation.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "app/commands.h"
#include "app/session_list.h"
#include "editions/application.h"
#include "editions/program_options.h"
#include "editions/samples_edition.h"
#include "window/plot.h"
#include "platform/window_messages.h"
#include "model/app_context.h"
#include "settings/keywords.h"
#include "support/recording_desktop.h"
#include "support/recording_native_window.h"

namespace kvx {
namespace {

Plot& sessionPlot(int16_t number)
{
    return dynamic_cast<Plot&>(*sessionList().windowOf(number));
}

// Notes whether the message loop ran and how many points each of the six
// graphs held when it began.
class SamplesDesktop : public test::RecordingDesktop {
public:
    int loops = 0;
    std::array<int32_t, 6> pointsAtLoop{};

    int runMessageLoop() override
    {
        ++loops;
        for (int i = 0; i < 6; ++i) {
            const Plot& plot = sessionPlot(static_cast<int16_t>(1 + i / 3));
            pointsAtLoop[static_cast<std::size_t>(i)] = plot.graph(1 + i % 3).numPoints();
        }
        return RecordingDesktop::runMessageLoop();
    }
    // Lets `passes` - 1 passes go by, then sends `command` to window 1.
    void commandAfter(int passes, int command)
    {
        for (int i = 1; i < passes; ++i) {
            waitingMessages.emplace_back([] {});
        }
        waitingMessages.emplace_back(
            [command] { sessionPlot(1).deliverMessage(MSG_COMMAND, static_cast<uintptr_t>(command), 0); });
    }
};

class SamplesEditionTest : public testing::Test {
protected:
    SamplesEditionTest() { setRunState(RUN_RUNNING); }
    ~SamplesEditionTest() override { setRunState(RUN_RUNNING); }

    SamplesDesktop desktop_;
    AppContext context_{desktop_};  // numbers from 1
};

TEST_F(SamplesEditionTest, TwoWindowsWithTheirOwnSettings)
{
    // A light default shows that plot 1 keeps the defaults and plot 2 goes dark.
    setDefaultParameter("colorScheme", LIGHT);
    SamplePlots plots;
    ASSERT_EQ(desktop_.windows.size(), 2u);
    const std::array<std::string, 2> captions{"#1: Sine Function 1", "#2: Sine Function 2"};
    using Box = std::array<int, 4>;
    using Range = std::array<double, 4>;
    const std::array<Box, 2> rects{Box{1, 1, 900, 400}, Box{200, 300, 800, 500}};
    const std::array<double, 2> yMax{1.1, 11.0};
    const std::array<std::string, 2> titles{"f(x) = exp(x) * sin(10*x)", "f(x) = x * sin(10/x)"};
    const std::array<Plot*, 2> plot{&plots.damped().plot(), &plots.growing().plot()};
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(desktop_.windows[i]->caption, captions[i]);
        EXPECT_TRUE(desktop_.windows[i]->shown);
        // Painted when shown, so that the first points land on the plot.
        EXPECT_FALSE(desktop_.windows[i]->recording.only("fillRect").empty());
        const WindowRect r = desktop_.windows[i]->rect;
        EXPECT_EQ((Box{r.x, r.y, r.width, r.height}), rects[i]);
        EXPECT_EQ(plot[i]->xLable(), "x");
        EXPECT_EQ(plot[i]->yLable(), "f(x)");
        EXPECT_EQ(plot[i]->axesTitle(), titles[i]);
        const RangeSet range = plot[i]->axes().currentRange();
        EXPECT_EQ((Range{range.x.min, range.x.max, range.y.min, range.y.max}), (Range{-1.0, 11.0, -yMax[i], yMax[i]}));
        ASSERT_EQ(plot[i]->numGraphs(), 3);
        EXPECT_EQ(plot[i]->graph(1).lable(), "Oscillating Function");
        EXPECT_EQ(plot[i]->graph(2).lable(), "Upper Envelope");
        EXPECT_EQ(plot[i]->graph(3).lable(), "Lower Envelope");
    }
    const GraphDefaults& graphDefault = graphDefaults();
    for (int g = 1; g <= 3; ++g) {
        const Graph& damped = plot[0]->graph(g);
        const Graph& growing = plot[1]->graph(g);
        EXPECT_EQ(damped.showPoints(), HIDE);
        EXPECT_EQ(damped.showMarker(), SHOW);
        EXPECT_EQ(damped.markerDrawRate(), 500);
        EXPECT_EQ(growing.showPoints(), SHOW);
        EXPECT_EQ(growing.pointsDrawRate(), 500);
        EXPECT_EQ(growing.showMarker(), graphDefault.showMarker);
        EXPECT_EQ(growing.colorNum(), g == 1 ? 3 : 4);
    }
    EXPECT_EQ(plot[0]->graph(1).markerType(), SQUARE);
    EXPECT_EQ(plot[0]->graph(2).markerType(), TRIANGLE);
    EXPECT_EQ(plot[0]->graph(3).markerType(), CIRCLE);
    EXPECT_EQ(plot[0]->settings().showLegend, SHOW_UPRIGHT);
    EXPECT_EQ(plot[1]->settings().showLegend, SHOW_DOWNLEFT);
    EXPECT_EQ(plot[0]->settings().colorScheme, LIGHT);
    EXPECT_EQ(plot[1]->settings().colorScheme, DARK);
}

TEST_F(SamplesEditionTest, AllPassesGiveTwentyThousandPointsDrawnPieceByPiece)
{
    SamplePlots plots;
    for (test::RecordingNativeWindow* window : desktop_.windows) {
        window->recording.clear();
    }
    EXPECT_EQ(computeSamples(plots), RUN_RUNNING);
    EXPECT_EQ(desktop_.processedMessages, 20000);

    double last = 0.0001;
    for (double x = 0.0001 + 0.0005; x < 10.0; x += 0.0005) {
        last = x;
    }
    const std::array<Plot*, 2> plot{&plots.damped().plot(), &plots.growing().plot()};
    for (Plot* p : plot) {
        for (int g = 1; g <= 3; ++g) {
            ASSERT_EQ(p->graph(g).numPoints(), 20000);
            EXPECT_EQ(p->graph(g).xData()[0], 0.0001);
            EXPECT_EQ(p->graph(g).xData()[19999], last);
        }
    }
    EXPECT_LT(last, 10.0);
    EXPECT_GT(last, 9.999);
    EXPECT_DOUBLE_EQ(plot[0]->graph(1).yData()[0], std::exp(-0.0001) * std::sin(0.001));
    EXPECT_DOUBLE_EQ(plot[0]->graph(3).yData()[0], -std::exp(-0.0001));
    EXPECT_DOUBLE_EQ(plot[1]->graph(1).yData()[0], 0.0001 * std::sin(0.001));
    EXPECT_DOUBLE_EQ(plot[1]->graph(2).yData()[19999], last);

    // Only the new pieces were drawn: no pass filled a window's background.
    for (test::RecordingNativeWindow* window : desktop_.windows) {
        EXPECT_FALSE(window->recording.only("lineTo").empty());
        EXPECT_TRUE(window->recording.only("fillRect").empty());
    }
}

TEST_F(SamplesEditionTest, BreakKeepsThePointsSoFarAndTheWindowsGoOnAnswering)
{
    desktop_.commandAfter(100, CMD_BREAK);
    EXPECT_EQ(runSamplesEdition(ProgramOptions{}), 0);
    EXPECT_EQ(desktop_.loops, 1);
    for (int32_t points : desktop_.pointsAtLoop) {
        EXPECT_EQ(points, 100);
    }
    EXPECT_EQ(runState(), RUN_RUNNING);
}

TEST_F(SamplesEditionTest, TheEndOfTheSessionEndsTheComputationWithoutTheMessageLoop)
{
    desktop_.commandAfter(10, CMD_EXIT_SESSION);  // the question is answered Yes
    EXPECT_EQ(runSamplesEdition(ProgramOptions{}), 0);
    EXPECT_EQ(desktop_.loops, 0);
    EXPECT_EQ(desktop_.processedMessages, 10);
    EXPECT_EQ(runState(), RUN_QUIT);
    EXPECT_EQ(desktop_.boxes.size(), 1u);
}

}  // namespace
}  // namespace kvx
