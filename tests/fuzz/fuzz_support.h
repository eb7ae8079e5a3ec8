#pragma once
// What the fuzz targets share: the toolkit they paint with, a desktop that
// counts its warning boxes instead of showing them, a check that stops the
// run, a temporary file per process and the painting of a plot into a
// small picture.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

#include "window/plot.h"
#include "platform/console_desktop.h"
#include "model/app_context.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_picture_files.h"
#include "render/plot_painter.h"

namespace kvx::fuzz {

// The console desktop without its output: a line on standard error per
// warning would slow the fuzzer down.
class QuietDesktop : public ConsoleDesktop {
public:
    int boxes = 0;
    BoxResult showMessageBox(const MessageBoxRequest&) override
    {
        ++boxes;
        return BoxResult::Ok;
    }
};

// The quiet desktop, made current on the first call.
inline QuietDesktop& quietDesktop()
{
    static QuietDesktop desktop;
    static const CurrentPart<Desktop> current(desktop);
    return desktop;
}

inline void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

// What every read leaves: a graph count within the limit, and the plot no
// longer busy.
inline void requireSettled(const Plot& plot)
{
    require(plot.numGraphs() >= 0 && plot.numGraphs() <= Plot::maxGraphs);
    require(plot.settings().busy == 0);
}

// A file in the temporary folder that no other fuzzing process uses;
// `suffix` ends its name.
inline std::string tempFile(std::string_view suffix)
{
    const std::string name = "kurvex-fuzz-" + std::to_string(getpid()) + std::string(suffix);
    return (std::filesystem::temp_directory_path() / name).string();
}

inline void writeBytes(const std::string& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    require(out.good());
}

// Paints the plot as it stands into a picture of 96 by 72 pixels that is
// never written.
inline void paintSmall(Plot& plot)
{
    const auto picture = createPictureFile(PictureFormat::Png, "unused.png", 96, 72);
    PlotView view;
    view.width = 96;
    view.height = 72;
    PlotPainter(picture->surface(), plot, view).paintPlot();
}

}  // namespace kvx::fuzz

// The toolkit's fonts and raster painting need the application object.
// Each fuzz target is one source file that includes this header once.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static kvx::QtApplication application(*argc, *argv, true);
    static kvx::AppContext context(application.desktop());
    return 0;
}
