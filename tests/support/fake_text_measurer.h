#pragma once
// A text measurer for the vector writers' tests: ten pixels per character;
// ascent 15, descent 4 for a 17-pixel font.

#include <vector>

#include "platform/surface.h"
#include "platform/utf8_text.h"

namespace kvx::test {

class FakeMeasurer : public TextMeasurer {
public:
    TextSize textExtent(const Font& font, std::string_view text) override
    {
        return {10 * static_cast<int>(decodeUtf8(text).size()), fontMetrics(font).height};
    }
    FontMetrics fontMetrics(const Font& font) override
    {
        FontMetrics m;
        m.ascent = font.height * 15 / 17;
        m.descent = font.height * 4 / 17;
        m.height = m.ascent + m.descent;
        m.internalLeading = m.height - font.height;
        m.externalLeading = 1;
        return m;
    }
    std::vector<int> characterAdvances(const Font&, std::string_view text) override
    {
        return std::vector<int>(decodeUtf8(text).size(), 10);
    }
};

}  // namespace kvx::test
