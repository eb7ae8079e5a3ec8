#pragma once
// Conversions from the system's colours, fonts and texts to Qt's.

#include <string_view>

#include <QColor>
#include <QFont>
#include <QString>

#include "platform/surface.h"

namespace kvx {

QColor toQColor(Color color);

// The face of font_face.h at the font's height in pixels (the em size).
QFont toQFont(const Font& font);

// UTF-8 bytes, invalid ones replaced as utf8_text.h does it.
QString toQString(std::string_view utf8);

}  // namespace kvx
