#pragma once
// Stores all graphs of a plot as text columns in the simplest read mode that
// holds them (XYY, XYXY, XYAYA or XYAXYA; one table or one block per graph)
// and records that mode in the plot's file state.

#include <string>

namespace kvx {

class Plot;

// Writes the file anew. True when it was written completely; then the
// plot's file state holds the mode written. A plot without graphs leaves an
// empty file and keeps its mode. On failure the previous file stays as it
// was, and `reason`, when given, receives the system's error text.
bool writeData(Plot& plot, const std::string& fileName, std::string* reason = nullptr);

// Room that formatDataReal needs.
constexpr int dataRealSize = 32;

// A coordinate as the data files store it: printf's "% 2.16e" (a blank or
// a minus sign, 17 significant digits, the exponent), whatever the locale.
// Writes at `out` and returns the end.
char* formatDataReal(char* out, double value);

}  // namespace kvx
