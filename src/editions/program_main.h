#pragma once
// The common frame of the three programs' main functions: options, the
// desktop toolkit and the application start-up.

#include <string_view>

namespace kvx {

struct ProgramOptions;

// What an edition does with its windows once the application is set up:
// runs until the session ends and returns the exit code.
using EditionStartUp = int (*)(const ProgramOptions& options);

// Runs `program`: the options, the toolkit, the application's defaults,
// then batch mode or the edition's start-up. Returns the exit code.
int runProgram(std::string_view program, int argc, char** argv, EditionStartUp startUp);

// The general program's start-up: one plot "Kurvex" with the files of the
// command line, then the message loop.
int runGeneralEdition(const ProgramOptions& options);

}  // namespace kvx
