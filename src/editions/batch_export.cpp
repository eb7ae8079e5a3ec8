#include "editions/batch_export.h"

#include <cctype>

#include "files/data_file_writer.h"
#include "platform/desktop.h"
#include "platform/regular_file.h"
#include "render/plot_painter.h"
#include "window/file_commands.h"

namespace kvx {

namespace {

std::string lowerExtension(const std::string& path)
{
    const PathParts parts = splitPath(path);
    if (!parts.hasExtension()) {
        return {};
    }
    std::string extension = path.substr(parts.extension);
    for (char& c : extension) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return extension;
}

ExportResult failure(std::string message)
{
    return ExportResult{false, std::move(message)};
}

}  // namespace

std::vector<std::string> openCommandLineFiles(Plot& plot, const std::vector<std::string>& files)
{
    std::vector<std::string> failed;
    bool first = true;
    for (const std::string& file : files) {
        if (!openByPath(plot, file, first ? FILE_OPEN : FILE_ADD)) {
            failed.push_back(file);
        }
        first = false;
    }
    return failed;
}

std::string batchInputProblem(const std::string& file)
{
    const std::string prefix = "cannot open " + file + ": ";
    switch (fileKindOf(file)) {
    case FILE_PLOT: return prefix + "plot files cannot be read in batch mode yet";
    case FILE_SESSION: return prefix + "session files cannot be read in batch mode yet";
    default: break;
    }
    std::string reason;
    if (!openRegularFile(file, &reason)) {
        return prefix + reason;
    }
    return {};
}

std::string exportPathProblem(const std::string& path)
{
    const std::string extension = lowerExtension(path);
    for (const char* known : {"png", "svg", "pdf", "dat"}) {
        if (extension == known) {
            return {};
        }
    }
    return "cannot write " + path + ": the extension must be .png, .svg, .pdf or .dat";
}

ExportResult exportPlot(Plot& plot, const std::string& path, int width, int height)
{
    if (std::string problem = exportPathProblem(path); !problem.empty()) {
        return failure(std::move(problem));
    }
    const std::string extension = lowerExtension(path);
    if (extension == "dat") {
        std::string reason;
        if (!writeData(plot, path, &reason)) {
            return failure("cannot write " + path + ": " + reason);
        }
        return {true, {}};
    }
    PictureFormat format = PictureFormat::Png;
    if (extension == "svg") {
        format = PictureFormat::Svg;
    } else if (extension == "pdf") {
        format = PictureFormat::Pdf;
    }
    if (width <= 0 || height <= 0) {
        width = plot.xWinSize();
        height = plot.yWinSize();
    }
    if (!plot.created()) {
        plot.takeWindowColours();  // the picture is the one its window would show
    }
    auto picture = Desktop::current().createPictureFile(format, path, width, height, plot.caption());
    if (!picture) {
        return failure("cannot write " + path + ": no pictures without the desktop toolkit");
    }
    // Text without a background box, as in every window.
    picture->surface().setTextBackgroundOpaque(false);
    PlotView view;  // the picture's own: the window's size and view stay
    view.width = static_cast<int16_t>(width);
    view.height = static_cast<int16_t>(height);
    PlotPainter(picture->surface(), plot, view).paintPlot();
    if (!picture->finish()) {
        return failure("cannot write " + path + ": " + picture->error());
    }
    return {true, {}};
}

}  // namespace kvx
