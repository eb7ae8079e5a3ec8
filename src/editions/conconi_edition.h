#pragma once
// kurvex-conconi: one plot of heart rate against velocity whose "Open ..."
// and "Add ..." of data files load Conconi test files instead.

#include <cstdint>
#include <memory>
#include <string>

#include "app/run_state.h"
#include "editions/plot_handle.h"

namespace kvx {

struct ProgramOptions;

// The edition's defaults, set after the settings files so that they win:
// every graph shows its points, five sub-ticks.
void setConconiDefaults();

// The plot "Conconi Test", shown, with its data-file open and add handed
// over to the edition and an open already pending, so that the first pass
// asks for a file.
std::unique_ptr<PlotHandle> makeConconiPlot();

// One pass of the edition's loop: a handed-over open or add asks for a
// Conconi file and loads it; then the waiting messages are dispatched, or
// when none waits the next ones are waited for a short while, so that an
// idle loop does not keep a processor busy. Returns the run state.
RunState runConconiPass(PlotHandle& handle);

// Loads the Conconi file at `path` into the handle's plot as one graph; an
// open command (FILE_OPEN in `command`) replaces the graphs, an add keeps
// them. What was wrong with the file is shown as warnings; a file that gives
// no point leaves the plot as it was. True when a graph was added.
bool loadConconiFile(PlotHandle& handle, const std::string& path, int16_t command);

// The edition's start-up: runs until the session ends; the exit code.
int runConconiEdition(const ProgramOptions& options);

}  // namespace kvx
