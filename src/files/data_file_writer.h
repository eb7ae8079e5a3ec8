#pragma once
// Stores all graphs of a plot as text columns in the simplest read mode that
// holds them (XYY, XYXY, XYAYA or XYAXYA; one table or one block per graph)
// and records that mode in the plot's file state.

#include <cstdint>
#include <string>
#include <vector>

namespace kvx {

class PlotModel;
class ReplacingFile;

// Writes the file anew. True when it was written completely; then the
// plot's file state holds the mode written. A plot without graphs leaves an
// empty file and keeps its mode. On failure the previous file stays as it
// was, and `reason`, when given, receives the system's error text.
bool writeData(PlotModel& plot, const std::string& fileName, std::string* reason = nullptr);
// The same into `file`, one of a group of files replaced together: true when
// everything went into it; the plot's file state holds the mode written
// then, for the plot file that follows.
bool writeData(PlotModel& plot, ReplacingFile& file);

// The plot's graph numbers in the order in which a data file written now
// holds their points. Graphs of unequal lengths are stored one block each,
// and an empty graph has no block: the empty ones come after the others, so
// that a plot file written in this order keeps every graph's style with
// its points.
std::vector<int16_t> storedGraphOrder(const PlotModel& plot);

// Room that formatDataReal needs.
constexpr int dataRealSize = 32;

// A coordinate as the data files store it: printf's "% 2.16e" (a blank or
// a minus sign, 17 significant digits, the exponent), whatever the locale.
// Writes at `out` and returns the end.
char* formatDataReal(char* out, double value);

}  // namespace kvx
