#include "window/menu_parser.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace kvx {
namespace {

TEST(MenuParserTest, ReadsNestedPopupsItemsAndSeparatorsInOrder)
{
    const char* text =
        "# comment before the name\r\n"
        "MENU \"Test\"\r\n"
        "\r\n"
        "POPUP \"&File\"\r\n"
        "  ITEM \"&Open ...\", 106   \r\n"
        "  # an indented comment\r\n"
        "  SEPARATOR\r\n"
        "  POPUP \"Print\"\r\n"
        "    ITEM \"Black && White\",116\r\n"
        "  ITEM \"Exit\" ,  90\r\n"
        "POPUP \"Help\"\r\n"
        "  ITEM \"About ...\", 65535";
    MenuParseError error;
    const std::optional<MenuTree> tree = parseMenu(text, &error);
    ASSERT_TRUE(tree) << describe(error);
    EXPECT_EQ(tree->name, "Test");
    ASSERT_EQ(tree->menus.size(), 2u);

    const MenuEntry& file = tree->menus[0];
    EXPECT_EQ(file.text, "&File");  // the mnemonic mark is kept for the toolkit
    ASSERT_EQ(file.children.size(), 4u);
    EXPECT_EQ(file.children[0].text, "&Open ...");
    EXPECT_EQ(file.children[0].command, 106);
    EXPECT_TRUE(file.children[0].children.empty());
    EXPECT_TRUE(file.children[1].separator);
    EXPECT_EQ(file.children[1].command, 0);
    const MenuEntry& print = file.children[2];
    EXPECT_EQ(print.text, "Print");
    EXPECT_FALSE(print.separator);
    ASSERT_EQ(print.children.size(), 1u);
    EXPECT_EQ(print.children[0].text, "Black && White");
    EXPECT_EQ(print.children[0].command, 116);
    EXPECT_EQ(file.children[3].text, "Exit");
    EXPECT_EQ(file.children[3].command, 90);

    ASSERT_EQ(tree->menus[1].children.size(), 1u);
    EXPECT_EQ(tree->menus[1].children[0].command, 65535);
}

TEST(MenuParserTest, TextsKeepTheirBlanks)
{
    const std::optional<MenuTree> tree =
        parseMenu("MENU \"M\"\nPOPUP \"Width\"\n  ITEM \" 10\", 606\n  ITEM \"X,  Autorange  Y\", 530\n");
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->menus[0].children[0].text, " 10");
    EXPECT_EQ(tree->menus[0].children[1].text, "X,  Autorange  Y");
}

TEST(MenuParserTest, ParsingWithoutAnErrorRecordIsSafe)
{
    EXPECT_FALSE(parseMenu("POPUP \"A\""));
    EXPECT_FALSE(parseMenu(""));
}

struct FaultCase {
    const char* text;
    int line;
    const char* message;  // a part of the message
};

void PrintTo(const FaultCase& c, std::ostream* os)
{
    *os << testing::PrintToString(std::string(c.text));
}

class MenuParserFaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(MenuParserFaultTest, NamesTheLineAndTheFault)
{
    const FaultCase& c = GetParam();
    MenuParseError error;
    EXPECT_FALSE(parseMenu(c.text, &error)) << c.text;
    EXPECT_EQ(error.line, c.line) << c.text << "\n" << describe(error);
    EXPECT_NE(error.message.find(c.message), std::string::npos) << c.text << "\n" << describe(error);
}

#define HEAD "MENU \"M\"\nPOPUP \"A\"\n"  // lines 1 and 2

INSTANTIATE_TEST_SUITE_P(
    Faults, MenuParserFaultTest,
    testing::Values(
        FaultCase{"", 0, "holds no menu"},
        FaultCase{"# only a comment\n\n", 0, "holds no menu"},
        FaultCase{"POPUP \"A\"\n  ITEM \"x\", 1\n", 1, "must begin with MENU"},
        FaultCase{"  MENU \"M\"\nPOPUP \"A\"\n  ITEM \"x\", 1\n", 1, "must begin with MENU"},
        FaultCase{"MENU \"M\"\n# nothing\n", 0, "holds no POPUP"},
        FaultCase{HEAD "  ITEM \"x\", 1\nMENU \"N\"\n", 4, "MENU may stand only once"},
        FaultCase{HEAD "\tITEM \"x\", 1\n", 3, "not tabs"},
        FaultCase{HEAD "   ITEM \"x\", 1\n", 3, "multiple of two blanks"},
        FaultCase{HEAD "    ITEM \"x\", 1\n", 3, "indented too deep"},
        FaultCase{HEAD "  ITEM \"x\", 1\n    ITEM \"y\", 2\n", 4, "indented too deep"},
        FaultCase{HEAD "  SEPARATOR\n    ITEM \"y\", 2\n", 4, "indented too deep"},
        FaultCase{HEAD "  ITEM \"x\", 1\nITEM \"y\", 2\n", 4, "top level holds only POPUP"},
        FaultCase{HEAD "  ITEM \"x\", 1\nSEPARATOR\n", 4, "top level holds only POPUP"},
        FaultCase{HEAD "  item \"x\", 1\n", 3, "unknown keyword \"item\""},
        FaultCase{HEAD "  MENUITEM \"x\", 1\n", 3, "unknown keyword \"MENUITEM\""},
        FaultCase{HEAD "  ITEM x, 1\n", 3, "text in double quotes"},
        FaultCase{HEAD "  ITEM \"x, 1\n", 3, "missing closing quote"},
        FaultCase{HEAD "  ITEM \"\", 1\n", 3, "empty text"},
        FaultCase{"MENU \"M\"\nPOPUP \"\"\n  ITEM \"x\", 1\n", 2, "empty text"},
        FaultCase{HEAD "  ITEM \"x\"\n", 3, "command number"},
        FaultCase{HEAD "  ITEM \"x\" 5\n", 3, "command number"},
        FaultCase{HEAD "  ITEM \"x\",\n", 3, "missing command number"},
        FaultCase{HEAD "  ITEM \"x\", 0\n", 3, "from 1 to 65535"},
        FaultCase{HEAD "  ITEM \"x\", 65536\n", 3, "from 1 to 65535"},
        FaultCase{HEAD "  ITEM \"x\", 99999999999999999999\n", 3, "from 1 to 65535"},
        FaultCase{HEAD "  ITEM \"x\", -5\n", 3, "decimal digits"},
        FaultCase{HEAD "  ITEM \"x\", 0x10\n", 3, "unexpected text after the command number"},
        FaultCase{HEAD "  ITEM \"x\", 12a\n", 3, "unexpected text after the command number"},
        FaultCase{HEAD "  ITEM \"x\", 1\n  SEPARATOR here\n", 4, "after SEPARATOR"},
        FaultCase{"MENU \"M\" x\nPOPUP \"A\"\n  ITEM \"x\", 1\n", 1, "unexpected text"},
        FaultCase{HEAD "  ITEM \"x\", 1\n  POPUP \"B\" extra\n    ITEM \"y\", 2\n", 4, "unexpected text"},
        FaultCase{"MENU \"M\"\nPOPUP \"A\"\n", 2, "POPUP has no entries"},
        FaultCase{HEAD "  POPUP \"Empty\"\n  ITEM \"x\", 1\n", 3, "POPUP has no entries"},
        FaultCase{HEAD "  POPUP \"B\"\n    POPUP \"Empty\"\nPOPUP \"C\"\n  ITEM \"x\", 1\n", 4,
                  "POPUP has no entries"}));

#undef HEAD

TEST(MenuParserTest, DescribeNamesTheLine)
{
    EXPECT_EQ(describe({12, "missing closing quote"}), "line 12: missing closing quote");
    EXPECT_EQ(describe({0, "the text holds no menu"}), "the text holds no menu");
}

}  // namespace
}  // namespace kvx
