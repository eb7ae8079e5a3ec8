#pragma once
// Text measurement with Qt's font metrics: the numbers every surface uses
// to lay out text, the window image and the vector writers alike.
//
// Metrics as the system reads them: ascent and descent are Qt's (rounded)
// ascent and descent, height their sum, internal leading the height minus
// the em size (the pixel height asked for), external leading Qt's leading
// (the face's line gap), never below 0.

#include <memory>
#include <vector>

#include <QFont>
#include <QFontMetrics>

#include "platform/surface.h"

namespace kvx {

class QtTextMeasurer final : public TextMeasurer {
public:
    TextSize textExtent(const Font& font, std::string_view text) override;
    FontMetrics fontMetrics(const Font& font) override;
    std::vector<int> characterAdvances(const Font& font, std::string_view text) override;

    const QFont& qtFont(const Font& font) { return entry(font).qfont; }

private:
    struct Entry {
        explicit Entry(const Font& f);
        Font font;
        QFont qfont;
        QFontMetrics metrics;
    };
    const Entry& entry(const Font& font);

    std::vector<std::unique_ptr<Entry>> cache_;
};

}  // namespace kvx
