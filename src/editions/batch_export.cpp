#include "editions/batch_export.h"

#include <cctype>

#include "files/data_file_writer.h"
#include "files/plot_file.h"
#include "files/session_file.h"
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

// The data file; the plot file with its data beside it; or the session file
// with every window's plot and data files in its folder. Plot and session
// files take their own extension in lower case, as "Save" names them.
ExportResult exportFiles(Plot& plot, const std::string& path, const std::string& extension)
{
    if (!plot.created() && !plot.positionSet()) {
        // Where its window would have opened, not at the screen's corner.
        plot.cascadePosition();
        plot.becomeCascadeOrigin();
    }
    const std::string base = basePath(path);
    std::string failed = path;
    std::string reason;
    bool written = false;
    if (extension == "dat") {
        written = writeData(plot, path, &reason);
    } else if (extension == "plt") {
        failed = base + "dat";
        if (writeData(plot, failed, &reason)) {
            failed = base + "plt";
            written = writePlotFile(plot, failed, &reason);
        }
    } else {
        written = writeSession(base + "ses", &failed, &reason);
    }
    if (!written) {
        return failure("cannot write " + failed + ": " + reason);
    }
    return {true, {}};
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
    const int16_t kind = fileKindOf(file);
    const std::string name = kind == FILE_DATA ? file : fileOfKind(file, kind);
    std::string reason;
    if (!openRegularFile(name, &reason)) {
        return "cannot open " + name + ": " + reason;
    }
    return {};
}

std::string exportPathProblem(const std::string& path)
{
    const std::string extension = lowerExtension(path);
    for (const char* known : {"png", "svg", "pdf", "emf", "dat", "plt", "ses"}) {
        if (extension == known) {
            return {};
        }
    }
    return "cannot write " + path + ": the extension must be .png, .svg, .pdf, .emf, .dat, .plt or .ses";
}

ExportResult exportPlot(Plot& plot, const std::string& path, int width, int height)
{
    if (std::string problem = exportPathProblem(path); !problem.empty()) {
        return failure(std::move(problem));
    }
    const std::string extension = lowerExtension(path);
    if (extension == "dat" || extension == "plt" || extension == "ses") {
        return exportFiles(plot, path, extension);
    }
    PictureFormat format = PictureFormat::Png;
    if (extension == "svg") {
        format = PictureFormat::Svg;
    } else if (extension == "pdf") {
        format = PictureFormat::Pdf;
    } else if (extension == "emf") {
        format = PictureFormat::Emf;
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
