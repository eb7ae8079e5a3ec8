#pragma once
// kurvex-samples: two plots whose oscillations and envelopes are computed and
// drawn point by point while the windows already answer the user.

#include <chrono>

#include "app/run_state.h"
#include "editions/plot_handle.h"

namespace kvx {

struct ProgramOptions;

// The two sample plots, set up and shown on creation. Plot 2 is declared
// last, so it goes first.
class SamplePlots {
public:
    SamplePlots();

    PlotHandle& damped() { return damped_; }
    PlotHandle& growing() { return growing_; }

    // Appends the six points of abscissa x, each drawn at once.
    void addPoints(double x);

private:
    PlotHandle damped_;
    PlotHandle growing_;
};

// How long the computation took, how many passes it made and the longest
// time between two moments at which the program took its waiting input (a
// pass and the handling of what was waiting). Only for measuring: normal
// runs say nothing.
class ComputationClock {
public:
    ComputationClock() : start_(Clock::now()), lastStep_(start_) {}
    // A pass and its window-message step are done.
    void passDone();
    int passes() const { return passes_; }
    double elapsedSeconds() const;
    double longestInputGapSeconds() const { return longestGap_.count(); }

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point start_;
    Clock::time_point lastStep_;
    std::chrono::duration<double> longestGap_{0};
    int passes_ = 0;
};

// The passes from x = 0.0001 in steps of 0.0005 while x < 10, each followed
// by one window-message step and the run state. Returns RUN_QUIT when the
// session ended, RUN_BREAK when the user broke off, else RUN_RUNNING.
RunState computeSamples(SamplePlots& plots, ComputationClock* clock = nullptr);

// The edition's start-up: the plots, the computation, then the message loop
// unless the session has ended. With KURVEX_SAMPLES_TIMING=1 in the
// environment the computation's times go to standard error.
int runSamplesEdition(const ProgramOptions& options);

}  // namespace kvx
