// Feeds arbitrary bytes to the data-file reader in each of the five read
// modes (and, batched against line by line, in each of them and as a
// table), checks what the plot then holds, writes it and reads it back: the
// graphs with points must come back bit for bit. Then the plot is ranged as
// an open does and painted into a small picture, so that whatever a file can
// hold (huge, tiny, denormal values, thousands of graphs) is drawn too.
// Warning boxes are only counted, never shown.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "files/data_file_reader.h"
#include "files/data_file_writer.h"
#include "files/table_reader.h"
#include "fuzz_support.h"
#include "window/plot.h"
#include "scaling/auto_range.h"
#include "settings/keywords.h"

namespace {

using kvx::fuzz::require;

void checkGraphs(const kvx::Plot& plot)
{
    kvx::fuzz::requireSettled(plot);
    for (const kvx::Graph& g : plot.graphs()) {
        require(g.numPoints() < g.capacity());
        for (int32_t i = 0; i < g.numPoints(); ++i) {
            require(g.attData()[i] <= kvx::ATT_ISOLATED);
        }
    }
}

bool sameGraph(const kvx::Graph& a, const kvx::Graph& b)
{
    const auto n = static_cast<std::size_t>(a.numPoints());
    return a.numPoints() == b.numPoints() &&
           std::memcmp(a.xData(), b.xData(), n * sizeof(double)) == 0 &&
           std::memcmp(a.yData(), b.yData(), n * sizeof(double)) == 0 &&
           std::memcmp(a.attData(), b.attData(), n) == 0;
}

// Graphs without points have no block of their own in a data file; the
// others must come back in order.
void checkRoundTrip(kvx::Plot& plot, const std::string& path)
{
    require(kvx::writeData(plot, path));
    kvx::Plot back("Back");
    back.files().readMode = plot.files().readMode;
    require(kvx::readData(back, path, 1));
    int j = 1;
    for (const kvx::Graph& g : plot.graphs()) {
        if (g.numPoints() == 0) {
            continue;
        }
        require(j <= back.numGraphs() && sameGraph(g, back.graph(j)));
        ++j;
    }
    require(j == back.numGraphs() + 1);
}

// Ranges the plot as opening a data file does and paints it.
void paint(kvx::Plot& plot)
{
    kvx::autoRangeXY(plot);
    plot.axes().autoTicks(false);
    kvx::fuzz::paintSmall(plot);
}

// Reads `text` in `mode`, or as a table.
kvx::DataOutcome readAs(kvx::Plot& plot, std::string_view text, int16_t mode)
{
    if (mode == kvx::COLUMNS) {
        return kvx::readTableText(plot, text, "fuzz.csv", 1);
    }
    plot.files().readMode = mode;
    return kvx::readDataText(plot, text, "fuzz.dat", 1);
}

// Every read mode, and a table, reads the same in batches as line by line
// (lines that end in CR LF always go that way), with as many warnings. The
// input is repeated until batches take part.
void checkBatches(std::string_view text, kvx::fuzz::QuietDesktop& desktop)
{
    if (text.empty() || text.find('\r') != std::string_view::npos) {
        return;
    }
    std::string lf;
    while (lf.size() < (std::size_t{1} << 18)) {
        lf.append(text).append("\n");
    }
    std::string crlf;
    for (const char c : lf) {
        crlf += c == '\n' ? "\r\n" : std::string(1, c);
    }
    for (const int16_t mode : {kvx::XYY, kvx::XYXY, kvx::XYAXYA, kvx::XYAYA, kvx::YY, kvx::COLUMNS}) {
        kvx::Plot batched("Batched");
        kvx::Plot lineByLine("Lines");
        desktop.boxes = 0;
        const auto outcome = readAs(batched, lf, mode);
        const int boxes = desktop.boxes;
        desktop.boxes = 0;
        require(readAs(lineByLine, crlf, mode) == outcome);
        require(desktop.boxes == boxes);
        checkGraphs(batched);
        require(batched.numGraphs() == lineByLine.numGraphs());
        for (int16_t k = 1; k <= batched.numGraphs(); ++k) {
            require(sameGraph(batched.graph(k), lineByLine.graph(k)));
        }
        if (mode == kvx::COLUMNS && batched.numGraphs() > 0) {
            paint(batched);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    kvx::fuzz::QuietDesktop& desktop = kvx::fuzz::quietDesktop();
    static const std::string path = kvx::fuzz::tempFile(".dat");

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const int16_t mode : {kvx::XYY, kvx::XYXY, kvx::XYAXYA, kvx::XYAYA, kvx::YY}) {
        kvx::Plot plot("Fuzz");
        plot.files().readMode = mode;
        kvx::readDataText(plot, text, "fuzz.dat", 1);
        checkGraphs(plot);
        desktop.boxes = 0;
        if (plot.numGraphs() > 0) {
            checkRoundTrip(plot, path);
            // The writer's own files never warn.
            require(desktop.boxes == 0);
            paint(plot);
        }
    }
    checkBatches(text, desktop);
    desktop.boxes = 0;
    return 0;
}
