#include "filesystem/regular_file.h"

#include <gtest/gtest.h>

#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace kvx {
namespace {

TEST(RegularFile, OpensRegularFilesAlsoThroughLinks)
{
    test::TempDir dir;
    test::writeFile(dir.file("data.dat"), std::string("1 2\n\0x", 6));
    ASSERT_EQ(symlink("data.dat", dir.file("link.dat").c_str()), 0);
    for (const char* name : {"data.dat", "link.dat"}) {
        const CFile file = openRegularFile(dir.file(name));
        ASSERT_TRUE(file) << name;
        char text[8] = {};
        EXPECT_EQ(std::fread(text, 1, sizeof text, file.get()), 6u) << name;
        EXPECT_EQ(readRegularFile(dir.file(name)), std::string("1 2\n\0x", 6)) << name;
    }
    EXPECT_EQ(readRegularFile(dir.file("empty")), std::nullopt);
    test::writeFile(dir.file("empty"), "");
    EXPECT_EQ(readRegularFile(dir.file("empty")), "");
}

TEST(RegularFile, EverythingElseCannotBeOpenedAndSaysWhy)
{
    test::TempDir dir;
    const std::string fifo = dir.file("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(symlink("fifo", dir.file("link").c_str()), 0);
    const std::pair<std::string, std::string> cases[] = {
        {dir.file("missing"), "No such file or directory"},
        {dir.path(), "Is a directory"},
        {fifo, "not a regular file"},
        {dir.file("link"), "not a regular file"},
        {"/dev/zero", "not a regular file"},
    };
    for (const auto& [path, expected] : cases) {
        std::string reason;
        EXPECT_FALSE(openRegularFile(path, &reason)) << path;
        EXPECT_EQ(reason, expected) << path;
        EXPECT_EQ(readRegularFile(path), std::nullopt) << path;
    }
}

}  // namespace
}  // namespace kvx
