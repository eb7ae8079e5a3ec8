#include "editions/batch_export.h"

#include <cctype>

#include "app/session_list.h"
#include "filesystem/regular_file.h"
#include "render/figure_output.h"
#include "render/output_dress.h"
#include "window/file_commands.h"
#include "window/file_dialogs.h"
#include "window/user_messages.h"

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

std::string joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

ExportResult failure(std::string message)
{
    return ExportResult{false, std::move(message)};
}

// The data file; the plot file with its data beside it; or the session file
// with every window's plot and data files in its folder. Plot and session
// files take their own extension in lower case, as "Save" names them.
ExportResult exportFiles(Plot& plot, const std::string& path, const std::string& extension, bool overwrite)
{
    if (!plot.created() && !plot.positionSet()) {
        // Where its window would have opened, not at the screen's corner.
        plot.cascadePosition();
        plot.becomeCascadeOrigin();
    }
    const int16_t kind = extension == "dat" ? FILE_DATA : extension == "plt" ? FILE_PLOT : FILE_SESSION;
    std::string failed;
    std::string reason;
    std::vector<std::string> others;
    const auto mayReplace = [&](const std::vector<std::string>& files) {
        others = files;
        return overwrite;
    };
    if (!writeByPath(plot, path, kind, failed, reason, mayReplace)) {
        if (!others.empty() && !overwrite) {
            return failure("cannot write " + failed + ": it would replace " + joined(others) +
                           ", which it does not name (--overwrite replaces them)");
        }
        return failure("cannot write " + failed + ": " + reason);
    }
    return {true, {}};
}

}  // namespace

CommandLineReading openCommandLineFiles(Plot& plot, const std::vector<std::string>& files,
                                        const std::vector<int16_t>& readModes)
{
    CommandLineReading reading;
    int leftOut = 0;
    bool first = true;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string& file = files[i];
        if (i < readModes.size() && readModes[i] != 0) {
            plot.setReadMode(readModes[i]);
        }
        // Added, a plot or session file comes in a window of its own.
        const bool needsWindow = !first && fileKindOf(file) != FILE_DATA;
        if (needsWindow && sessionList().count() >= SessionList::maxWindows) {
            ++leftOut;
        } else if (!openByPath(plot, file, first ? FILE_OPEN : FILE_ADD, &reading.shortfall)) {
            reading.unopened.push_back(file);
        }
        first = false;
    }
    if (leftOut > 0) {
        const int opened = sessionList().count();
        warnUser(plot, "The command line asks for " + std::to_string(opened + leftOut) + " windows; the " +
                           std::to_string(opened) + " that fit are opened.");
        reading.shortfall.windowsLeftOut += leftOut;
    }
    return reading;
}

std::string batchInputProblem(const std::string& file)
{
    const int16_t kind = fileKindOf(file);
    if (kind == FILE_PLOT) {
        return plotFileProblem(fileOfKind(file, kind));
    }
    const std::string name = kind == FILE_DATA ? file : fileOfKind(file, kind);
    std::string reason;
    if (!openRegularFile(name, &reason)) {
        return "cannot open " + name + ": " + reason;
    }
    return {};
}

std::string refusedDataHint(const std::string& file)
{
    return "no data read from " + file + ": title lines must begin with \"#\" (--read-mode COLUMNS reads them)";
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

ExportResult exportPlot(Plot& plot, const std::string& path, FigureSize size, bool overwrite)
{
    if (std::string problem = exportPathProblem(path); !problem.empty()) {
        return failure(std::move(problem));
    }
    const std::string extension = lowerExtension(path);
    if (extension == "dat" || extension == "plt" || extension == "ses") {
        return exportFiles(plot, path, extension, overwrite);
    }
    const PictureFormat format = pictureFormatOf(path).value_or(PictureFormat::Png);
    if (!(size.widthMm > 0.0 && size.heightMm > 0.0) && (size.width <= 0 || size.height <= 0)) {
        size.width = plot.xWinSize();
        size.height = plot.yWinSize();
    }
    std::string reason;
    if (!paintFigureFile(plot, OUTPUT_COLORED, format, path, size, &reason)) {
        return failure("cannot write " + path + ": " + reason);
    }
    return {true, {}};
}

}  // namespace kvx
