#include "render/figure_output.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

#include "platform/ascii_case.h"
#include "platform/desktop.h"
#include "filesystem/regular_file.h"
#include "filesystem/scratch_folder.h"
#include "render/output_dress.h"
#include "render/page_scale.h"
#include "render/plot_painter.h"
#include "settings/setting_bounds.h"

namespace kvx {

namespace {

// "AxB", each side read by `side`; false, with nothing set, when either
// cannot be read.
template <class T, class Side>
bool parseSides(std::string_view text, Side side, T& first, T& second)
{
    const auto x = text.find('x');
    T a{};
    T b{};
    if (x == std::string_view::npos || !side(text.substr(0, x), a) || !side(text.substr(x + 1), b)) {
        return false;
    }
    first = a;
    second = b;
    return true;
}

// "800x600": both from 1 to 16000 pixels.
bool parsePixelSize(std::string_view text, int& width, int& height)
{
    auto pixels = [](std::string_view digits, int& out) {
        if (digits.empty() || digits.size() > 5) return false;
        int v = 0;
        for (char c : digits) {
            if (c < '0' || c > '9') return false;
            v = v * 10 + (c - '0');
        }
        out = v;
        return bounds::windowSize.contains(v);
    };
    return parseSides(text, pixels, width, height);
}

// "90x60mm" or "3.5x2.5in": each side above 0 and at most a metre.
bool parsePaperSize(std::string_view text, double& widthMm, double& heightMm)
{
    double perUnit = 0.0;
    if (text.ends_with("mm")) {
        perUnit = 1.0;
    } else if (text.ends_with("in")) {
        perUnit = 25.4;
    } else {
        return false;
    }
    text.remove_suffix(2);
    auto millimetres = [perUnit](std::string_view digits, double& out) {
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), out,
                                                  std::chars_format::fixed);
        out *= perUnit;
        return !digits.empty() && error == std::errc{} && end == digits.data() + digits.size() && out > 0.0 &&
               out <= 1000.0;
    };
    return parseSides(text, millimetres, widthMm, heightMm);
}

}  // namespace

bool parseFigureSize(std::string_view text, FigureSize& size)
{
    FigureSize parsed;
    if (!parsePixelSize(text, parsed.width, parsed.height) &&
        !parsePaperSize(text, parsed.widthMm, parsed.heightMm)) {
        return false;
    }
    size.width = parsed.width;
    size.height = parsed.height;
    size.widthMm = parsed.widthMm;
    size.heightMm = parsed.heightMm;
    return true;
}

bool parseFigureDpi(std::string_view text, int& dpi)
{
    int v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || v < 10 || v > 2400) {
        return false;
    }
    dpi = v;
    return true;
}


std::optional<PictureFormat> pictureFormatOf(std::string_view path)
{
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
        return std::nullopt;
    }
    const std::string_view extension = path.substr(dot + 1);
    static constexpr std::pair<std::string_view, PictureFormat> known[] = {
        {"emf", PictureFormat::Emf}, {"svg", PictureFormat::Svg},
        {"pdf", PictureFormat::Pdf}, {"png", PictureFormat::Png},
    };
    for (const auto& [name, format] : known) {
        if (equalNoCase(extension, name)) {
            return format;
        }
    }
    return std::nullopt;
}

FigureSize figureSize(int clientWidth, int clientHeight, int size)
{
    if (size <= 0 || clientWidth <= 0 || clientHeight <= 0) {
        return {clientWidth, clientHeight};
    }
    if (clientWidth > clientHeight) {
        return {size, static_cast<int>(static_cast<long long>(clientHeight) * size / clientWidth)};
    }
    return {static_cast<int>(static_cast<long long>(clientWidth) * size / clientHeight), size};
}

FigureSize paperFigureSize(double widthMm, double heightMm, double dpi, PictureFormat format)
{
    const double perMm = (format == PictureFormat::Png ? dpi : FigureSize::screenDpi) / 25.4;
    auto pixels = [perMm](double mm) {
        const double p = std::round(mm * perMm);
        return p < 1.0 ? 1 : p > 1e9 ? 1000000000 : static_cast<int>(p);
    };
    return {pixels(widthMm), pixels(heightMm), widthMm, heightMm, dpi};
}

std::string figureDescription(const BaseWindow& frame)
{
    return "Kvx - " + frame.windowTitle();
}

bool paintFigureFile(FramedPlot plot, int16_t mode, PictureFormat format, const std::string& path, FigureSize pixels,
                     std::string* reason)
{
    if (pixels.widthMm > 0.0 && pixels.heightMm > 0.0) {
        pixels = paperFigureSize(pixels.widthMm, pixels.heightMm, pixels.dpi, format);
    }
    if (!bounds::windowSize.contains(pixels.width) || !bounds::windowSize.contains(pixels.height)) {
        if (reason) {
            *reason = "the picture would be " + std::to_string(pixels.width) + "x" + std::to_string(pixels.height) +
                      " pixels, more than " + std::to_string(bounds::windowSize.max) + " a side";
        }
        return false;
    }
    auto picture = Desktop::current().createPictureFile(format, path, pixels.width, pixels.height,
                                                        figureDescription(plot.frame));
    if (!picture) {
        if (reason) {
            *reason = "this desktop cannot draw the picture";
        }
        return false;
    }
    picture->setPaperSize(pixels.widthMm, pixels.heightMm, pixels.dpi);
    {
        const OutputDress dress(plot.model, mode);
        if (format == PictureFormat::Png && pixels.dpi != FigureSize::screenDpi) {
            scaleLines(plot.model, pixels.dpi / FigureSize::screenDpi);
        }
        paintOutput(picture->surface(), plot.model, pixels.width, pixels.height);
    }
    if (!picture->finish()) {
        if (reason) {
            *reason = picture->error();
        }
        return false;
    }
    return true;
}

bool saveFigure(FramedPlot plot, int16_t mode, int size, const std::string& path, PictureFormat format,
                std::string* reason)
{
    const FigureSize pixels = figureSize(plot.frame.clientWidth(), plot.frame.clientHeight(), size);
    return paintFigureFile(plot, mode, format, path, pixels, reason);
}

bool copyFigure(FramedPlot plot, int16_t mode, int size)
{
    struct Kind {
        PictureFormat format;
        const char* mimeType;
        const char* name;
    };
    static constexpr Kind kinds[] = {
        {PictureFormat::Emf, "image/x-emf", "figure.emf"},
        {PictureFormat::Svg, "image/svg+xml", "figure.svg"},
        {PictureFormat::Png, "image/png", "figure.png"},
    };
    const ScratchFolder scratch;
    if (!scratch.ok()) {
        return false;
    }
    std::vector<ClipboardFormat> formats;
    for (const Kind& kind : kinds) {
        const std::string path = scratch.file(kind.name);
        if (!saveFigure(plot, mode, size, path, kind.format)) {
            continue;  // a format this desktop cannot draw
        }
        if (std::optional<std::string> bytes = readRegularFile(path)) {
            formats.push_back({kind.mimeType, std::move(*bytes)});
        }
    }
    return !formats.empty() && Desktop::current().setClipboard(formats);
}

}  // namespace kvx
