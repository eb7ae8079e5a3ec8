// "Edit Lables" driven as the user would.

#include "dialogs/lables_box.h"

#include <gtest/gtest.h>

#include "dialogs/control_ids.h"

#include <string>

#include "dialogs/dialog_templates.h"
#include "window/plot.h"
#include "support/recording_desktop.h"
#include "support/recording_dialog_controls.h"

namespace kvx {
namespace {

using test::RecordingDialogControls;

std::string repeated(std::string_view piece, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

TEST(LablesBox, ShowsTheTextsAndOkStoresThemCutAtACharacterKeepingAnEmptyTitle)
{
    test::RecordingDesktop desktop;
    test::ScopedDesktop installed(desktop);
    Plot plot("Data");
    plot.setLables("x [s]", "y [m]", "Run 1");

    desktop.dialogScripts.push_back([](RecordingDialogControls& c, DialogHandler& handler) {
        EXPECT_EQ(c.control(IDC_X_LABLE).text, "x [s]");
        EXPECT_EQ(c.control(IDC_Y_LABLE).text, "y [m]");
        EXPECT_EQ(c.control(IDC_AXES_TITLE).text, "Run 1");
        EXPECT_EQ(c.control(IDC_WINDOW_TITLE).text, "Data");
        EXPECT_TRUE(c.control(IDC_X_LABLE).textSelected);
        EXPECT_EQ(c.focus(), IDC_X_LABLE);
        c.type(IDC_Y_LABLE, "");
        c.type(IDC_WINDOW_TITLE, "");
        // 200 two-byte characters: 255 bytes end inside the 128th.
        c.type(IDC_AXES_TITLE, repeated("\xC3\xA9", 200));
        c.type(IDC_X_LABLE, repeated("t", 300));
        c.press(handler, IDOK);
    });
    showLablesBox(plot);
    EXPECT_EQ(desktop.dialogRuns.at(0).controls.result(), IDOK);
    EXPECT_EQ(plot.xLable(), repeated("t", 255));
    EXPECT_EQ(plot.yLable(), "");
    EXPECT_EQ(plot.axesTitle(), repeated("\xC3\xA9", 127));
    EXPECT_EQ(plot.windowTitle(), "Data");

    desktop.dialogScripts.push_back([](RecordingDialogControls& c, DialogHandler& handler) {
        c.type(IDC_WINDOW_TITLE, "Other");
        c.type(IDC_X_LABLE, "z");
        c.press(handler, IDCANCEL);
    });
    showLablesBox(plot);
    EXPECT_EQ(desktop.dialogRuns.at(1).controls.result(), IDCANCEL);
    EXPECT_EQ(plot.windowTitle(), "Data");
    EXPECT_EQ(plot.xLable(), repeated("t", 255));

    desktop.dialogScripts.push_back([](RecordingDialogControls& c, DialogHandler& handler) {
        c.type(IDC_WINDOW_TITLE, "Other");
        c.press(handler, IDOK);
    });
    showLablesBox(plot);
    EXPECT_EQ(plot.windowTitle(), "Other");
}

}  // namespace
}  // namespace kvx
