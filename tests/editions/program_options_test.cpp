#include "editions/program_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/keywords.h"

namespace kvx {
namespace {

ProgramOptions parse(std::vector<const char*> args)
{
    args.insert(args.begin(), "kurvex");
    return parseProgramOptions(static_cast<int>(args.size()), args.data());
}

TEST(ProgramOptions, FilesKeepTheirOrderAndOptionsAreRecognised)
{
    const ProgramOptions o = parse({"a.dat", "--help", "b c.plt", "-", "--", "--version"});
    EXPECT_TRUE(o.help);
    EXPECT_FALSE(o.version);
    EXPECT_EQ(o.files, (std::vector<std::string>{"a.dat", "b c.plt", "-", "--version"}));
    EXPECT_TRUE(o.error.empty());
}

TEST(ProgramOptions, ReadModeHoldsForTheFilesAfterIt)
{
    const ProgramOptions o = parse({"a.dat", "--read-mode", "COLUMNS", "b.txt", "c.txt", "--read-mode", "YY", "d"});
    EXPECT_EQ(o.files, (std::vector<std::string>{"a.dat", "b.txt", "c.txt", "d"}));
    EXPECT_EQ(o.fileReadModes, (std::vector<int16_t>{0, COLUMNS, COLUMNS, YY}));
    EXPECT_EQ(parse({"--read-mode", "SHOW", "a"}).error,
              "--read-mode takes XYY, XYXY, XYAYA, XYAXYA, YY or COLUMNS, not \"SHOW\"");
    EXPECT_FALSE(parse({"--read-mode"}).error.empty());
}

TEST(ProgramOptions, EachProgramsHelpSaysWhatItDoesWithFiles)
{
    const std::string general = usageText("kurvex");
    EXPECT_NE(general.find("the first is opened, the others are added"), std::string::npos);
    EXPECT_NE(general.find("--follow"), std::string::npos);
    // The editions open no file named on the command line, and follow none.
    for (const char* edition : {"kurvex-conconi", "kurvex-samples"}) {
        const std::string text = usageText(edition);
        EXPECT_EQ(text.rfind(std::string("Usage: ") + edition + "\n", 0), 0u) << text;
        EXPECT_NE(text.find("Files named on the command line are not opened."), std::string::npos) << edition;
        EXPECT_EQ(text.find("--follow"), std::string::npos) << edition;
        EXPECT_NE(text.find("--export OUT"), std::string::npos) << edition;
    }
}

TEST(ProgramOptions, UnknownOptionsAreAnError)
{
    const ProgramOptions o = parse({"--bogus", "x.dat", "--worse"});
    EXPECT_EQ(o.error, "unknown option --bogus");
    EXPECT_EQ(o.files, std::vector<std::string>{"x.dat"});
}

TEST(ProgramOptions, ExportTakesOneFileName)
{
    EXPECT_EQ(parse({"--export", "out.png", "a.dat"}).exportPath, "out.png");
    // Either would otherwise start the interactive program or drop a name.
    EXPECT_EQ(parse({"--export", "", "a.dat"}).error, "--export needs a file name");
    EXPECT_EQ(parse({"--export", "a.png", "--export", "b.png"}).error, "--export may be given only once");
    EXPECT_EQ(parse({"--export"}).error, "--export needs a value");
}

TEST(ProgramOptions, PrintToTakesOnePdfFileAndExcludesExport)
{
    const ProgramOptions o = parse({"--print-to", "out/Page.PDF", "--size", "640x520", "a.dat"});
    EXPECT_EQ(o.printPath, "out/Page.PDF");
    EXPECT_TRUE(o.error.empty());
    EXPECT_EQ(parse({"--print-to", "page.png"}).error, "--print-to needs a file name ending in .pdf");
    EXPECT_EQ(parse({"--print-to", "out/.pdf"}).error, "--print-to needs a file name ending in .pdf");
    EXPECT_EQ(parse({"--print-to", "a.pdf", "--export", "b.png"}).error,
              "--export and --print-to cannot be given together");
}

}  // namespace
}  // namespace kvx
