#include "app/errors.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/recording_desktop.h"
#include "support/sanitizers.h"

namespace kvx {
namespace {

TEST(ErrorMessage, PrefixExtraAndLineFeed)
{
    // Prefixes with and without their trailing blank, as the readers and
    // dialogs compose them.
    EXPECT_EQ(composeErrorMessage(10, "\n/data/run.dat !"), "No data found in file \n/data/run.dat !\n");
    EXPECT_EQ(composeErrorMessage(6, "at line 17 in\n/data/run.dat !"),
              "Failure reading data at line 17 in\n/data/run.dat !\n");
    EXPECT_EQ(composeErrorMessage(5, "x"), "Unexpected end of File x\n");
    EXPECT_EQ(composeErrorMessage(51, ": 'Num Bins'"), "Data out of expected range: 'Num Bins'\n");
    EXPECT_EQ(composeErrorMessage(50, ": 'Min'"), "Data invalid or out of expected range: 'Min'\n");
    EXPECT_EQ(composeErrorMessage(32, ""), "Specified index exceeds defined dimensions \n");
}

TEST(ErrorMessage, CodeNinetyNineIsTheExtraTextAlone)
{
    EXPECT_EQ(composeErrorMessage(99, "Too many graphs"), "Too many graphs\n");
    EXPECT_EQ(composeErrorMessage(99, ""), "\n");
}

TEST(ErrorMessage, CodesOutsideTheTableAreUndefinedFailures)
{
    for (unsigned code : {0u, 7u, 11u, 21u, 46u, 52u, 98u, 100u, 4000000000u}) {
        EXPECT_EQ(composeErrorMessage(code, "x"), "Undefined Failure" "x\n") << code;
    }
    // Every code the table names has a prefix of its own.
    for (unsigned code : {1u, 2u, 3u, 4u, 5u, 6u, 10u, 13u, 20u, 30u, 31u, 32u, 33u, 34u, 35u, 36u,
                          45u, 50u, 51u}) {
        EXPECT_NE(errorPrefix(code), "Undefined Failure") << code;
        EXPECT_FALSE(errorPrefix(code).empty()) << code;
    }
}

TEST(ErrorMessage, LongFileNamesAreShownWhole)
{
    const std::string name = "/" + std::string(259, 'n');
    const std::string message = composeErrorMessage(6, "at line 123456 in\n" + name + " !");
    EXPECT_NE(message.find(name + " !\n"), std::string::npos);
    const MessageBoxRequest box = errorBox(10, "\n" + name + " !", false, nullptr);
    EXPECT_EQ(box.text, "Process terminated !\nNo data found in file \n" + name + " !\n");
}

TEST(ErrorBox, WarningIsModalToItsOwnerOrToTheSystem)
{
    auto* owner = reinterpret_cast<NativeWindow*>(0x1234);
    const MessageBoxRequest owned = errorBox(6, "x", true, owner);
    EXPECT_EQ(owned.caption, "Warning");
    EXPECT_EQ(owned.icon, BoxIcon::Exclamation);
    EXPECT_EQ(owned.buttons, BoxButtons::Ok);
    EXPECT_EQ(owned.owner, owner);
    EXPECT_FALSE(owned.systemModal);
    EXPECT_TRUE(owned.foreground);

    const MessageBoxRequest ownerless = errorBox(6, "x", true, nullptr);
    EXPECT_TRUE(ownerless.systemModal);
}

TEST(ErrorBox, TerminatingErrorIsSystemModalEvenWithAnOwner)
{
    auto* owner = reinterpret_cast<NativeWindow*>(0x1234);
    const MessageBoxRequest box = errorBox(20, "", false, owner);
    EXPECT_EQ(box.text, "Process terminated !\nOut of memory \n");
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.icon, BoxIcon::Exclamation);
    EXPECT_EQ(box.owner, owner);
    EXPECT_TRUE(box.systemModal);
    EXPECT_TRUE(box.foreground);
}

TEST(ReportError, WarningShowsOneBoxAndReturnsItsAnswer)
{
    test::RecordingDesktop desktop;
    test::ScopedDesktop installed(desktop);
    desktop.answers.push_back(BoxResult::Ok);
    EXPECT_EQ(reportError(7, "x", true), BoxResult::Ok);
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text, "Undefined Failurex\n");
    EXPECT_EQ(desktop.boxes[0].caption, "Warning");
    EXPECT_TRUE(desktop.boxes[0].systemModal);
}

TEST(ReportErrorDeathTest, TerminatingErrorEndsTheProcessWithExitCodeZero)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // Without an installed desktop the box goes to standard error.
    EXPECT_EXIT(reportError(99, "Too many graphs", false), testing::ExitedWithCode(0),
                "Error: Process terminated ! Too many graphs");
    EXPECT_EXIT(reportOutOfMemory(), testing::ExitedWithCode(0),
                "Error: Process terminated ! Out of memory");
}

void allocateTooMuch()
{
    installOutOfMemoryHandler();
    volatile std::size_t huge = static_cast<std::size_t>(1) << 62;
    std::string text(huge, 'x');
    std::fprintf(stderr, "allocated %zu\n", text.size());
}

TEST(ReportErrorDeathTest, EveryFailedAllocationIsErrorTwenty)
{
    if (test::addressSanitizer) {
        GTEST_SKIP() << "AddressSanitizer's operator new reports a failed allocation itself and "
                        "never throws std::bad_alloc, so the new-handler is never reached";
    }
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(allocateTooMuch(), testing::ExitedWithCode(0), "Error: Process terminated ! Out of memory");
}

TEST(TerminatingError, EndsTheProcessWithTheExitCodeSetForIt)
{
    test::RecordingDesktop desktop;
    test::ScopedDesktop installed(desktop);
    EXPECT_EXIT(reportFatalError(ERR_MESSAGE, "Too many graphs"), testing::ExitedWithCode(0), "");
    // Batch mode sets a code of its own.
    EXPECT_EXIT(
        {
            setTerminationExitCode(3);
            reportOutOfMemory();
        },
        testing::ExitedWithCode(3), "");
}

}  // namespace
}  // namespace kvx
