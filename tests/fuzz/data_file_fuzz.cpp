// Feeds arbitrary bytes to the data-file reader in each of the five read
// modes, checks what the plot then holds, writes it and reads it back: the
// graphs with points must come back bit for bit. Then the plot is ranged as
// an open does and painted into a small picture, so that whatever a file can
// hold (huge, tiny, denormal values, thousands of graphs) is drawn too.
// Warning boxes are only counted, never shown.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

#include "files/data_file_reader.h"
#include "files/data_file_writer.h"
#include "model/plot.h"
#include "platform/console_desktop.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/qt_picture_files.h"
#include "render/plot_painter.h"
#include "scaling/auto_range.h"
#include "settings/keywords.h"

namespace {

// The console desktop without its output: a line on standard error per
// warning would slow the fuzzer down.
class QuietDesktop : public kvx::ConsoleDesktop {
public:
    int boxes = 0;
    kvx::BoxResult showMessageBox(const kvx::MessageBoxRequest&) override
    {
        ++boxes;
        return kvx::BoxResult::Ok;
    }
};

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

void checkGraphs(const kvx::Plot& plot)
{
    require(plot.numGraphs() >= 0 && plot.numGraphs() <= kvx::Plot::maxGraphs);
    require(plot.settings().busy == 0);
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

// Ranges the plot as opening a file does and paints it into a picture of
// 96 by 72 pixels that is never written.
void paint(kvx::Plot& plot)
{
    kvx::autoRangeXY(plot);
    plot.axes().autoTicks(false);
    const auto picture = kvx::createPictureFile(kvx::PictureFormat::Png, "unused.png", 96, 72);
    kvx::PlotView view;
    view.width = 96;
    view.height = 72;
    kvx::PlotPainter(picture->surface(), plot, view).paintPlot();
}

}  // namespace

// The toolkit's fonts and raster painting need the application object.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static kvx::QtApplication application(*argc, *argv, true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static QuietDesktop desktop;
    static const bool installed = (kvx::Desktop::install(&desktop), true);
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("kurvex-fuzz-" + std::to_string(getpid()) + ".dat"))
                                        .string();
    (void)installed;

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
    return 0;
}
