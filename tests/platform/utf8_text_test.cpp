#include "platform/utf8_text.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

TEST(Utf8Text, ValidTextDecodesAndEncodesBack)
{
    const std::string text = "a\xc3\xa4\xe2\x82\xac\xf0\x9f\x98\x80";  // a, ä, €, an emoji
    const std::u32string decoded = decodeUtf8(text);
    EXPECT_EQ(decoded, (std::u32string{U'a', 0xE4, 0x20AC, 0x1F600}));
    std::string encoded;
    for (char32_t c : decoded) {
        appendUtf8(encoded, c);
    }
    EXPECT_EQ(encoded, text);
}

TEST(Utf8Text, EveryStrayByteBecomesOneReplacement)
{
    const char32_t r = replacementCharacter;
    EXPECT_EQ(decodeUtf8("\xff"), std::u32string(1, r));
    EXPECT_EQ(decodeUtf8("a\x80" "b"), (std::u32string{U'a', r, U'b'}));
    EXPECT_EQ(decodeUtf8("\xe2\x82"), (std::u32string{r, r}));                // cut short
    EXPECT_EQ(decodeUtf8("\xc0\xaf"), (std::u32string{r, r}));                // overlong
    EXPECT_EQ(decodeUtf8("\xed\xa0\x80"), (std::u32string{r, r, r}));         // surrogate
    EXPECT_EQ(decodeUtf8("\xf4\x90\x80\x80"), (std::u32string{r, r, r, r}));  // above U+10FFFF
    EXPECT_EQ(decodeUtf8(std::string("x\0y", 3)), (std::u32string{U'x', 0, U'y'}));
    EXPECT_TRUE(decodeUtf8("").empty());
}

}  // namespace
}  // namespace kvx
