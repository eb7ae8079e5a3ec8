#pragma once
// Writing texts into XML: the five special characters are escaped, and
// invalid UTF-8 and characters XML cannot hold (control characters,
// U+FFFE, U+FFFF) become U+FFFD, so that any text yields a valid document.

#include <string>
#include <string_view>

namespace kvx {

void appendXmlEscaped(std::string& out, std::string_view utf8);

}  // namespace kvx
