// Conconi test files read into heart rates against velocities, and what
// faulty files give instead of points that cannot be drawn.

#include <gtest/gtest.h>

#include <cmath>

#include "app/errors.h"
#include "editions/conconi_file.h"
#include "support/temp_dir.h"

namespace kvx {
namespace {

TEST(ConconiFileTest, StageTimesBecomeVelocitiesLabelledWithTheQuotedName)
{
    const ConconiFile file =
        readConconiText("# comment\nAthlete 'Runner A' on the track\n200\n60 120\n50 130\n", "/runs/a.dat");
    EXPECT_TRUE(file.opened);
    EXPECT_EQ(file.label, "Runner A");
    EXPECT_EQ(file.stageLength, 200.0);
    ASSERT_EQ(file.points.size(), 2u);
    EXPECT_DOUBLE_EQ(file.points[0].velocity, 12.0);
    EXPECT_EQ(file.points[0].heartRate, 120.0);
    EXPECT_DOUBLE_EQ(file.points[1].velocity, 14.4);
    EXPECT_EQ(file.points[1].heartRate, 130.0);
    EXPECT_TRUE(file.problems.empty());

    // Blank lines between, numbers separated by commas and text, CR LF.
    const ConconiFile same = readConconiText("'Runner A'\r\n\r\n  \t\r\nlength: 200 m\r\n60,120\r\nt=50; 130\r\n",
                                             "/runs/a.dat");
    ASSERT_EQ(same.points.size(), 2u);
    EXPECT_DOUBLE_EQ(same.points[1].velocity, 14.4);
    EXPECT_EQ(same.points[1].heartRate, 130.0);
}

TEST(ConconiFileTest, ANameWithoutQuotesOrEndFallsBackSensibly)
{
    // No apostrophe, or nothing between them: the file's name.
    EXPECT_EQ(readConconiText("Runner B\n200\n60 120\n", "/runs/v1.2/runner_b.dat").label, "runner_b");
    EXPECT_EQ(readConconiText("''\n200\n60 120\n", "/runs/plain").label, "plain");
    // No closing apostrophe: the rest of the line without trailing blanks.
    EXPECT_EQ(readConconiText("name 'Runner C \t\n200\n60 120\n", "/runs/c.dat").label, "Runner C");
}

TEST(ConconiFileTest, UnusableStagesAreLeftOutAndNamedOnceEach)
{
    const std::string text = "'Runner D'\n"  // line 1
                             "200\n"
                             "0 120\n"        // line 3: no time
                             "-5 125\n"       // again: not named twice
                             "1e-320 127\n"   // the velocity would be infinite
                             "60\n"           // line 6: no heart rate
                             "- 128\n"        // no number in "-"
                             "48 135\n"
                             "40 x\n";        // line 9: no heart rate again
    const ConconiFile file = readConconiText(text, "/runs/d.dat");
    ASSERT_EQ(file.points.size(), 1u);
    EXPECT_DOUBLE_EQ(file.points[0].velocity, 15.0);
    EXPECT_EQ(file.points[0].heartRate, 135.0);
    ASSERT_EQ(file.problems.size(), 3u);
    EXPECT_EQ(file.problems[0].code, ERR_DATA_INVALID);
    EXPECT_EQ(file.problems[0].extra, " (stage time) at line 3 in\n/runs/d.dat !");
    EXPECT_EQ(file.problems[1].code, ERR_READING_DATA);
    EXPECT_EQ(file.problems[1].extra, "at line 6 in\n/runs/d.dat !");
    // As the data reader says it: the file's name after the code's text.
    EXPECT_EQ(file.problems[2].code, ERR_READING_DATA);
    EXPECT_EQ(file.problems[2].extra, "/runs/d.dat");
    for (const ConconiPoint& point : file.points) {
        EXPECT_TRUE(std::isfinite(point.velocity) && std::isfinite(point.heartRate));
    }
}

TEST(ConconiFileTest, AFileWithoutPointsSaysWhyAndGivesNone)
{
    const std::string noLength = "No stage length above 0 m on the second line of\n/runs/e.dat !";
    for (const char* text : {"'E'\n0\n60 120\n", "'E'\n-200\n60 120\n", "'E'\n", "'E'\nlength\n60 120\n",
                             "'E'\n-\n60 120\n"}) {
        const ConconiFile file = readConconiText(text, "/runs/e.dat");
        EXPECT_TRUE(file.points.empty()) << text;
        ASSERT_EQ(file.problems.size(), 1u) << text;
        EXPECT_EQ(file.problems[0].code, ERR_MESSAGE) << text;
        EXPECT_EQ(file.problems[0].extra, noLength) << text;
    }
    for (const char* text : {"", "# only a comment\n\n", "'E'\n200\n# no stage\n"}) {
        const ConconiFile file = readConconiText(text, "/runs/e.dat");
        EXPECT_TRUE(file.points.empty()) << text;
        ASSERT_EQ(file.problems.size(), 1u) << text;
        EXPECT_EQ(file.problems[0].code, ERR_NO_DATA) << text;
        EXPECT_EQ(file.problems[0].extra, "\n/runs/e.dat !") << text;
    }
}

TEST(ConconiFileTest, AFileIsReadFromDiskAndOneThatCannotBeOpenedIsNamed)
{
    const test::TempDir dir;
    const std::string path = dir.path() + "/runner.dat";
    test::writeFile(path, "# comment\n'Runner A'\n200\n60 120\n50 130\n");
    const ConconiFile file = readConconiFile(path);
    EXPECT_TRUE(file.opened);
    EXPECT_EQ(file.label, "Runner A");
    EXPECT_EQ(file.points.size(), 2u);

    for (const std::string& unreadable : {dir.path() + "/missing.dat", dir.path()}) {
        const ConconiFile none = readConconiFile(unreadable);
        EXPECT_FALSE(none.opened);
        EXPECT_TRUE(none.points.empty());
        ASSERT_EQ(none.problems.size(), 1u);
        EXPECT_EQ(none.problems[0].code, ERR_CANT_OPEN);
        EXPECT_TRUE(none.problems[0].extra.starts_with("\n" + unreadable + " !\n")) << none.problems[0].extra;
        EXPECT_GT(none.problems[0].extra.size(), unreadable.size() + 4);  // and the system's reason
    }
}

}  // namespace
}  // namespace kvx
