#include "settings/profile_document.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

TEST(ProfileDocument, FindsSectionsAndKeysWithoutRegardToCase)
{
    const ProfileDocument doc("; settings\n[Graphs]\nType= BARS\n[AXESSYSTEMS]\n  numTicks = 8\n");
    EXPECT_EQ(doc.value("graphs", "type"), " BARS");
    EXPECT_EQ(doc.value("AxesSystems", "NUMTICKS"), " 8");
    EXPECT_EQ(doc.value("Graphs", "numTicks"), std::nullopt);
    EXPECT_EQ(doc.value("Plots", "type"), std::nullopt);
}

TEST(ProfileDocument, FirstSectionAndFirstKeyOfANameWin)
{
    const ProfileDocument doc("[A]\nk=1\nk=2\n[a]\nk=3\nj=4\n");
    EXPECT_EQ(doc.value("A", "k"), "1");
    EXPECT_EQ(doc.value("A", "j"), std::nullopt);
}

TEST(ProfileDocument, LinesBeforeTheFirstSectionBelongToNone)
{
    const ProfileDocument doc("k=0\n[A]\nk=1\n");
    EXPECT_EQ(doc.value("", "k"), std::nullopt);
    EXPECT_EQ(doc.value("A", "k"), "1");
}

TEST(ProfileDocument, ReadsWindowsLineEnds)
{
    const ProfileDocument doc("[Plot]\r\nwindowTitle= 'Run 4'\r\n");
    EXPECT_EQ(doc.value("Plot", "windowTitle"), " 'Run 4'");
}

TEST(ProfileDocument, ReplacingAKeyChangesOnlyItsLine)
{
    ProfileDocument doc("# hand-made\n[A]\nx = 1\n; note\ny=2\n\n[B]\nx=3\n");
    doc.setValue("a", "X", " 9");
    EXPECT_EQ(doc.text(), "# hand-made\n[A]\nX= 9\n; note\ny=2\n\n[B]\nx=3\n");
}

TEST(ProfileDocument, NewKeysGoToTheEndOfTheirSection)
{
    ProfileDocument doc("[A]\nx=1\n\n[B]\nx=3\n");
    doc.setValue("A", "y", " 2");
    doc.setValue("B", "y", " 4");
    EXPECT_EQ(doc.text(), "[A]\nx=1\ny= 2\n\n[B]\nx=3\ny= 4\n");
}

TEST(ProfileDocument, NewSectionsGoToTheEndOfTheFile)
{
    ProfileDocument empty;
    empty.setValue("Session", "numPlots", " 2");
    empty.setValue("Plot1", "plotFile", " 'a'");
    EXPECT_EQ(empty.text(), "[Session]\nnumPlots= 2\n\n[Plot1]\nplotFile= 'a'\n");

    ProfileDocument unterminated("[A]\nx=1");
    unterminated.setValue("B", "y", "2");
    EXPECT_EQ(unterminated.text(), "[A]\nx=1\n\n[B]\ny=2\n");
}

TEST(ProfileDocument, EntriesInASkeletonAreKeptApartFromTheNextSection)
{
    // Section headers written directly one after the other.
    ProfileDocument doc("[Session]\n[Plot1]\n[Plot2]");
    doc.setValue("Plot2", "plotFile", " 'b'");
    doc.setValue("Session", "numPlots", " 2");
    doc.setValue("Plot1", "plotFile", " 'a'");
    doc.setValue("Session", "plotFocus", " [2 1]");
    EXPECT_EQ(doc.text(),
              "[Session]\nnumPlots= 2\nplotFocus= [2 1]\n\n"
              "[Plot1]\nplotFile= 'a'\n\n"
              "[Plot2]\nplotFile= 'b'\n");
}

}  // namespace
}  // namespace kvx
