#include "app/command_line_tokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvx {
namespace {

std::vector<std::string> tokens(std::string_view text)
{
    CommandLineTokenizer tokenizer(text);
    std::vector<std::string> out;
    std::string token;
    while (tokenizer.next(token)) {
        out.push_back(token);
    }
    return out;
}

using Tokens = std::vector<std::string>;

TEST(CommandLineTokenizer, SingleBlanksSeparateNames)
{
    EXPECT_EQ(tokens(""), Tokens{});
    EXPECT_EQ(tokens("a.dat"), Tokens{"a.dat"});
    EXPECT_EQ(tokens("a.dat b.dat"), (Tokens{"a.dat", "b.dat"}));
    EXPECT_EQ(tokens("a.dat b.dat "), (Tokens{"a.dat", "b.dat"}));
}

TEST(CommandLineTokenizer, RunsOfBlanksAreNotSkipped)
{
    EXPECT_EQ(tokens("a.dat  b.dat"), (Tokens{"a.dat", " b.dat"}));
    // A token's first character is never a separator, so of three blanks the
    // second makes a token of its own.
    EXPECT_EQ(tokens("a.dat   b.dat"), (Tokens{"a.dat", " ", "b.dat"}));
}

TEST(CommandLineTokenizer, QuotedNamesKeepTheirBlanks)
{
    EXPECT_EQ(tokens("\"/home/me/My Data/x.plt\" y.ses"), (Tokens{"/home/me/My Data/x.plt", "y.ses"}));
    EXPECT_EQ(tokens("a.dat \"b c.dat\""), (Tokens{"a.dat", "b c.dat"}));
    EXPECT_EQ(tokens("\"\" b.dat"), (Tokens{"", "b.dat"}));
    // The one character after the closing quote is taken as the separator.
    EXPECT_EQ(tokens("\"a b\"xc.dat"), (Tokens{"a b", "c.dat"}));
}

TEST(CommandLineTokenizer, UnterminatedQuoteEndsTokenising)
{
    EXPECT_EQ(tokens("\"a.dat b.dat"), Tokens{});
    EXPECT_EQ(tokens("a.dat \"b.dat c.dat"), Tokens{"a.dat"});

    CommandLineTokenizer tokenizer("\"never closed");
    std::string token = "kept";
    EXPECT_FALSE(tokenizer.next(token));
    EXPECT_FALSE(tokenizer.next(token));
    EXPECT_EQ(token, "kept");
}

TEST(CommandLineTokenizer, TokensHoldAtMost259Characters)
{
    const std::string longest(259, 'a');
    const std::string tooLong(300, 'b');
    EXPECT_EQ(tokens(longest + " x"), (Tokens{longest, "x"}));
    EXPECT_EQ(tokens(tooLong + " x"), (Tokens{std::string(259, 'b'), "x"}));
    EXPECT_EQ(tokens("\"" + tooLong + "\""), Tokens{std::string(259, 'b')});
    // A name is never cut inside a character: 'a' and 129 two-byte letters
    // hold 259 bytes, the 130th would end at byte 260.
    std::string umlauts = "a";
    for (int i = 0; i < 150; ++i) {
        umlauts += "\xC3\xA4";
    }
    EXPECT_EQ(tokens(umlauts + " x"), (Tokens{umlauts.substr(0, 259), "x"}));
    EXPECT_EQ(tokens("a" + umlauts + " x"), (Tokens{("a" + umlauts).substr(0, 258), "x"}));
}

}  // namespace
}  // namespace kvx
