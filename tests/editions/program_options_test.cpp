#include "editions/program_options.h"

#include <gtest/gtest.h>

#include <vector>

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

TEST(ProgramOptions, UnknownOptionsAreAnError)
{
    const ProgramOptions o = parse({"--bogus", "x.dat", "--worse"});
    EXPECT_EQ(o.error, "unknown option --bogus");
    EXPECT_EQ(o.files, std::vector<std::string>{"x.dat"});
}

}  // namespace
}  // namespace kvx
