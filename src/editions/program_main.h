#pragma once
// The common frame of the three programs' main functions: options, the
// desktop toolkit and the application start-up.

#include <string_view>

namespace kvx {

// Runs `program`; returns the process's exit code.
int runProgram(std::string_view program, int argc, char** argv);

}  // namespace kvx
