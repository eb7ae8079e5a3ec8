#include "editions/samples_edition.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "editions/application.h"
#include "editions/opened_windows.h"
#include "platform/desktop.h"
#include "settings/keywords.h"

namespace kvx {

namespace {

constexpr double firstX = 0.0001;
constexpr double stepX = 0.0005;
constexpr double endX = 10.0;
constexpr int16_t allGraphs = 0;

void nameGraphs(PlotHandle& plot)
{
    plot.setGraphLable("Oscillating Function", 1);
    plot.setGraphLable("Upper Envelope", 2);
    plot.setGraphLable("Lower Envelope", 3);
}

void setUpDamped(PlotHandle& plot)
{
    plot.setLables("x", "f(x)", "f(x) = exp(x) * sin(10*x)");
    plot.setRange(-1.0, 11.0, -1.1, 1.1, true);
    plot.ensureGraphs(3);
    nameGraphs(plot);
    plot.setShowPoints(HIDE, allGraphs);
    plot.setGraphMarker(SQUARE, 1);
    plot.setGraphMarker(TRIANGLE, 2);
    plot.setGraphMarker(CIRCLE, 3);
    plot.setShowMarker(SHOW, allGraphs);
    plot.setMarkerDrawRate(500, allGraphs);
    plot.setShowLegend(SHOW_UPRIGHT);
    plot.setPosition(1, 1);
    plot.setSize(900, 400);
    plot.show();
}

void setUpGrowing(PlotHandle& plot)
{
    plot.setLables("x", "f(x)", "f(x) = x * sin(10/x)");
    plot.setRange(-1.0, 11.0, -11.0, 11.0, true);
    plot.ensureGraphs(3);
    plot.setGraphColor(3, 1);
    plot.setGraphColor(4, 2);
    plot.setGraphColor(4, 3);
    nameGraphs(plot);
    plot.setShowPoints(SHOW, allGraphs);
    plot.setPointsDrawRate(500, allGraphs);
    plot.setShowLegend(SHOW_DOWNLEFT);
    plot.setColorScheme(DARK);
    plot.setPosition(200, 300);
    plot.setSize(800, 500);
    plot.show();
}

}  // namespace

// Plot 1 is set up and shown before plot 2 is made.
SamplePlots::SamplePlots() : damped_("Sine Function 1"), growing_((setUpDamped(damped_), "Sine Function 2"))
{
    setUpGrowing(growing_);
}

void SamplePlots::addPoints(double x)
{
    // The axes titles name other functions than those drawn; the curves
    // are these.
    const double envelope = std::exp(-x);
    const double wave = std::sin(10.0 * x);
    damped_.addPoint(x, envelope * wave, 1);
    damped_.addPoint(x, envelope, 2);
    damped_.addPoint(x, -envelope, 3);
    growing_.addPoint(x, x * wave, 1);
    growing_.addPoint(x, x, 2);
    growing_.addPoint(x, -x, 3);
}

void ComputationClock::passDone()
{
    const Clock::time_point now = Clock::now();
    longestGap_ = std::max<std::chrono::duration<double>>(longestGap_, now - lastStep_);
    lastStep_ = now;
    ++passes_;
}

double ComputationClock::elapsedSeconds() const
{
    return std::chrono::duration<double>(Clock::now() - start_).count();
}

RunState computeSamples(SamplePlots& plots, ComputationClock* clock)
{
    // x is accumulated, not recomputed from the pass number: the passes and
    // the last abscissa are those of repeated additions.
    for (double x = firstX; x < endX; x += stepX) {
        plots.addPoints(x);
        Desktop::current().processOneMessage();
        if (clock) {
            clock->passDone();
        }
        if (const RunState state = takeRunState(); state != RUN_RUNNING) {
            return state;
        }
    }
    return RUN_RUNNING;
}

int runSamplesEdition(const ProgramOptions&)
{
    const OpenedWindows opened;
    SamplePlots plots;
    const char* timingVariable = std::getenv("KURVEX_SAMPLES_TIMING");
    const bool timing = timingVariable && std::string_view(timingVariable) == "1";
    ComputationClock clock;
    const RunState state = computeSamples(plots, timing ? &clock : nullptr);
    if (timing) {
        std::fprintf(stderr, "computation: %.3f s, longest input gap: %.1f ms, passes: %d\n",
                     clock.elapsedSeconds(), clock.longestInputGapSeconds() * 1000.0, clock.passes());
    }
    if (state != RUN_QUIT) {
        Desktop::current().runMessageLoop();
    }
    return 0;
}

}  // namespace kvx
