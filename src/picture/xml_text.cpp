#include "picture/xml_text.h"

#include "platform/utf8_text.h"

namespace kvx {

namespace {

bool allowedInXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

}  // namespace

void appendXmlEscaped(std::string& out, std::string_view utf8)
{
    for (char32_t c : decodeUtf8(utf8)) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default: appendUtf8(out, allowedInXml(c) ? c : replacementCharacter); break;
        }
    }
}

}  // namespace kvx
