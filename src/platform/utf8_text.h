#pragma once
// Texts are UTF-8 bytes that may be invalid. Every output that counts or
// writes characters decodes them here, so that a stray byte becomes the same
// replacement character (U+FFFD) in the PNG, the PDF and the vector files.

#include <string>
#include <string_view>

namespace kvx {

constexpr char32_t replacementCharacter = 0xFFFD;

// One code point per valid sequence; each byte that does not start a valid,
// shortest-form sequence (no surrogates, at most U+10FFFF) becomes U+FFFD.
std::u32string decodeUtf8(std::string_view bytes);

void appendUtf8(std::string& out, char32_t codePoint);

// The longest prefix of at most `limit` bytes that does not end inside a
// UTF-8 character.
std::string_view cutAtCharacter(std::string_view text, std::size_t limit);

}  // namespace kvx
