#include "platform/qt/qt_text_measurer.h"

#include <algorithm>

#include "platform/qt/qt_convert.h"
#include "platform/utf8_text.h"

namespace kvx {

namespace {

// A plot uses three fonts at a time; a few more sizes come with printing.
constexpr size_t cacheLimit = 16;

}  // namespace

QtTextMeasurer::Entry::Entry(const Font& f) : font(f), qfont(toQFont(f)), metrics(qfont) {}

const QtTextMeasurer::Entry& QtTextMeasurer::entry(const Font& font)
{
    for (const auto& e : cache_) {
        if (e->font.height == font.height) {
            return *e;  // the vertical font measures like the horizontal one
        }
    }
    if (cache_.size() >= cacheLimit) {
        cache_.erase(cache_.begin());
    }
    cache_.push_back(std::make_unique<Entry>(font));
    return *cache_.back();
}

TextSize QtTextMeasurer::textExtent(const Font& font, std::string_view text)
{
    const QFontMetrics& m = entry(font).metrics;
    return {m.horizontalAdvance(toQString(text)), m.ascent() + m.descent()};
}

FontMetrics QtTextMeasurer::fontMetrics(const Font& font)
{
    const Entry& e = entry(font);
    FontMetrics out;
    out.ascent = e.metrics.ascent();
    out.descent = e.metrics.descent();
    out.height = out.ascent + out.descent;
    out.internalLeading = std::max(0, out.height - e.qfont.pixelSize());
    out.externalLeading = std::max(0, e.metrics.leading());
    return out;
}

std::vector<int> QtTextMeasurer::characterAdvances(const Font& font, std::string_view text)
{
    // Each advance is the growth of the measured prefix, so kerning is
    // included and the advances add up to the text's width.
    const QFontMetrics& m = entry(font).metrics;
    const std::u32string codePoints = decodeUtf8(text);
    std::vector<int> advances;
    advances.reserve(codePoints.size());
    QString prefix;
    int previous = 0;
    for (char32_t c : codePoints) {
        prefix += QString::fromUcs4(&c, 1);
        const int width = m.horizontalAdvance(prefix);
        advances.push_back(width - previous);
        previous = width;
    }
    return advances;
}

}  // namespace kvx
