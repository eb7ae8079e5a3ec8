#include "filesystem/replacing_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace kvx {
namespace {

mode_t modeOf(const std::string& path)
{
    struct stat status {};
    EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

using test::FileSizeLimit;
using test::namesIn;

// Many writes of odd sizes, some larger than any buffer; what commit()
// puts in place must be all of them.
std::string writeChunks(ReplacingFile& file)
{
    std::string all;
    for (std::size_t size : {1u, 70000u, 3u, 65536u, 200000u, 17u}) {
        const std::string chunk(size, static_cast<char>('a' + all.size() % 26));
        file.write(chunk);
        all += chunk;
    }
    return all;
}

TEST(ReplacingFile, ANewFileAppearsWholeOnCommitWithTheUmasksPermissions)
{
    test::TempDir dir;
    const std::string path = dir.file("out.dat");
    const mode_t oldMask = umask(027);
    ReplacingFile file(path);
    const std::string text = writeChunks(file);
    EXPECT_FALSE(test::fileExists(path));
    EXPECT_TRUE(file.commit());
    umask(oldMask);
    EXPECT_TRUE(file.error().empty());
    EXPECT_EQ(test::readFile(path), text);
    EXPECT_EQ(modeOf(path), 0640u);
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"out.dat"});
}

TEST(ReplacingFile, AReplacedFileKeepsItsModeAndALinkStaysALink)
{
    test::TempDir dir;
    test::writeFile(dir.file("real/plot.png"), "old");
    ASSERT_EQ(chmod(dir.file("real/plot.png").c_str(), 0604), 0);
    ASSERT_EQ(symlink("real/plot.png", dir.file("link.png").c_str()), 0);
    {
        ReplacingFile file(dir.file("link.png"));
        file.write("new");
        EXPECT_TRUE(file.commit());
    }
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.png")));
    EXPECT_EQ(test::readFile(dir.file("real/plot.png")), "new");
    EXPECT_EQ(modeOf(dir.file("real/plot.png")), 0604u);
    EXPECT_EQ(namesIn(dir.file("real")), std::set<std::string>{"plot.png"});
    // A dangling link gets the file it names.
    ASSERT_EQ(symlink("real/new.png", dir.file("dangling.png").c_str()), 0);
    ReplacingFile file(dir.file("dangling.png"));
    file.write("made");
    EXPECT_TRUE(file.commit());
    EXPECT_EQ(test::readFile(dir.file("real/new.png")), "made");
}

TEST(ReplacingFile, FailedOrUnfinishedWritesLeaveTheOldFileAsItWas)
{
    test::TempDir dir;
    const std::string path = dir.file("out.dat");
    test::writeFile(path, "the good old file");
    {
        ReplacingFile abandoned(path);
        writeChunks(abandoned);
    }
    EXPECT_EQ(test::readFile(path), "the good old file");
    {
        const FileSizeLimit limit(100'000);
        ReplacingFile full(path);
        writeChunks(full);
        EXPECT_FALSE(full.commit());
        EXPECT_EQ(full.error(), "File too large");
        EXPECT_FALSE(full.write("more"));
    }
    EXPECT_EQ(test::readFile(path), "the good old file");
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"out.dat"});
}

TEST(ReplacingFile, TargetsThatCannotTakeAFileSayWhy)
{
    test::TempDir dir;
    const std::string fifo = dir.file("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        {dir.path(), "Is a directory"},
        {dir.file("no/such/folder/out.png"), "No such file or directory"},
        {"", "No such file or directory"},
        // Opened without waiting for a reader that never comes.
        {fifo, "No such device or address"},
    };
    for (const auto& [path, expected] : cases) {
        ReplacingFile file(path);
        EXPECT_TRUE(file.failed()) << path;
        EXPECT_FALSE(file.write("x")) << path;
        EXPECT_FALSE(file.commit()) << path;
        EXPECT_EQ(file.error(), expected) << path;
    }
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"fifo"});
    // A device takes the bytes straight.
    ReplacingFile null("/dev/null");
    null.write("nothing");
    EXPECT_TRUE(null.commit());
}

TEST(ReplacingFile, AReadOnlyFileIsNotReplaced)
{
    if (geteuid() == 0) {
        GTEST_SKIP() << "root may write any file";
    }
    test::TempDir dir;
    const std::string path = dir.file("kept.dat");
    test::writeFile(path, "kept");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    ReplacingFile file(path);
    file.write("lost");
    EXPECT_FALSE(file.commit());
    EXPECT_EQ(file.error(), "Permission denied");
    EXPECT_EQ(test::readFile(path), "kept");
}

}  // namespace
}  // namespace kvx
