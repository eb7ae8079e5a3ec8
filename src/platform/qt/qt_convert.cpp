#include "platform/qt/qt_convert.h"

#include <algorithm>

#include "platform/font_face.h"
#include "platform/utf8_text.h"

namespace kvx {

QColor toQColor(Color color)
{
    return QColor(static_cast<int>(redOf(color)), static_cast<int>(greenOf(color)),
                  static_cast<int>(blueOf(color)));
}

QFont toQFont(const Font& font)
{
    QFont f(QString::fromLatin1(fontFamily));
    f.setPixelSize(std::max(1, font.height));
    f.setWeight(static_cast<QFont::Weight>(fontWeight));
    f.setStyleHint(QFont::SansSerif);
    f.setKerning(true);
    return f;
}

QString toQString(std::string_view utf8)
{
    const std::u32string codePoints = decodeUtf8(utf8);
    return QString::fromUcs4(codePoints.data(), static_cast<qsizetype>(codePoints.size()));
}

}  // namespace kvx
