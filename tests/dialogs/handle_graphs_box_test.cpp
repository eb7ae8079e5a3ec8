#include "dialogs/handle_graphs_box.h"

#include <gtest/gtest.h>

#include "dialogs/control_ids.h"

#include <string>
#include <vector>

#include "dialogs/dialog_templates.h"
#include "model/graph_clipboard.h"
#include "window/plot.h"
#include "model/app_context.h"
#include "support/recording_desktop.h"
#include "support/recording_dialog_controls.h"

namespace kvx {
namespace {

using test::RecordingDialogControls;

constexpr int PLOT_LIST = IDC_GRAPH_LIST, PLOT_SELECT_ALL = IDC_SELECT_ALL, PLOT_DELETE = IDC_PLOT_DELETE,
              CLIPBOARD_LIST = IDC_CLIPBOARD_LIST, CLIPBOARD_SELECT_ALL = IDC_CLIPBOARD_SELECT_ALL,
              CLIPBOARD_DELETE = IDC_CLIPBOARD_DELETE, TO_CLIPBOARD = IDC_TO_CLIPBOARD, TO_PLOT = IDC_TO_PLOT;

// The clipboard is the program's one: every test starts and ends with it empty.
class HandleGraphsBoxTest : public testing::Test {
protected:
    // A plot with graphs labelled prefix1, prefix2, ...
    static void labelGraphs(Plot& plot, int count, const std::string& prefix)
    {
        plot.ensureGraphs(static_cast<int16_t>(count));
        for (int n = 1; n <= count; ++n) {
            plot.setLable(prefix + std::to_string(n), static_cast<int16_t>(n));
        }
    }

    test::RecordingDesktop desktop;
    AppContext context{desktop};
    GraphClipboard& clipboard = context.clipboard;
};

TEST_F(HandleGraphsBoxTest, CopiesGoIntoTheClipboardAndFromThereToTheEndOfAnotherPlot)
{
    Plot source("source");
    labelGraphs(source, 4, "s");
    source.append(1.0, 2.0, 2);
    HandleGraphsBox sourceBox(source, clipboard);
    RecordingDialogControls sourceControls(*dialogTemplate("HandleGraphsBox"));
    sourceBox.opened(sourceControls);
    sourceControls.choose(sourceBox, PLOT_LIST, {1, 3});
    sourceControls.press(sourceBox, TO_CLIPBOARD);
    EXPECT_EQ(sourceControls.control(CLIPBOARD_LIST).entries, (std::vector<std::string>{"1\ts2", "2\ts4"}));
    EXPECT_EQ(sourceControls.control(PLOT_LIST).selection, (std::vector<int>{1, 3}));
    EXPECT_EQ(source.numGraphs(), 4);
    sourceControls.press(sourceBox, 1);
    EXPECT_EQ(sourceControls.result(), 1);

    Plot target("target");
    labelGraphs(target, 1, "t");
    HandleGraphsBox targetBox(target, clipboard);
    RecordingDialogControls targetControls(*dialogTemplate("HandleGraphsBox"));
    targetBox.opened(targetControls);
    EXPECT_EQ(targetControls.control(CLIPBOARD_LIST).entries.size(), 2u);
    targetControls.press(targetBox, CLIPBOARD_SELECT_ALL);
    targetControls.press(targetBox, TO_PLOT);
    EXPECT_EQ(targetControls.control(PLOT_LIST).entries,
              (std::vector<std::string>{"1\tt1", "2\ts2", "3\ts4"}));
    ASSERT_EQ(target.numGraphs(), 3);
    EXPECT_EQ(target.graph(2).numPoints(), 1);
    EXPECT_EQ(target.graph(3).lable(), "s4");
    EXPECT_EQ(clipboard.count(), 2);
    targetBox.controlUsed(targetControls, IDCANCEL, ControlEvent::Clicked);
    EXPECT_EQ(targetControls.result(), IDCANCEL);
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(HandleGraphsBoxTest, DeletesTheSelectedGraphsOfEitherSide)
{
    Plot plot("p");
    labelGraphs(plot, 3, "p");
    for (int n = 1; n <= 4; ++n) {
        Graph graph(1);
        graph.setLable("c" + std::to_string(n));
        clipboard.appendCopy(graph);
    }
    HandleGraphsBox box(plot, clipboard);
    RecordingDialogControls controls(*dialogTemplate("HandleGraphsBox"));
    box.opened(controls);

    controls.choose(box, CLIPBOARD_LIST, {1, 2});
    controls.press(box, CLIPBOARD_DELETE);
    EXPECT_EQ(controls.control(CLIPBOARD_LIST).entries, (std::vector<std::string>{"1\tc1", "2\tc4"}));
    EXPECT_TRUE(controls.control(CLIPBOARD_LIST).selection.empty());
    EXPECT_EQ(clipboard.graph(2).lable(), "c4");

    controls.press(box, PLOT_DELETE);  // nothing selected
    EXPECT_EQ(plot.numGraphs(), 3);
    controls.press(box, PLOT_SELECT_ALL);
    controls.press(box, PLOT_DELETE);
    EXPECT_EQ(plot.numGraphs(), 0);
    EXPECT_TRUE(controls.control(PLOT_LIST).entries.empty());
    EXPECT_EQ(clipboard.count(), 2);
}

TEST_F(HandleGraphsBoxTest, AFullSideTakesNoMoreCopiesAndWarnsInsteadOfEndingTheProgram)
{
    Plot plot("full");
    plot.ensureGraphs(Plot::maxGraphs - 1);
    for (int n = 1; n < GraphClipboard::maxGraphs; ++n) {
        clipboard.appendCopy(plot.graph(1));
    }
    HandleGraphsBox box(plot, clipboard);
    RecordingDialogControls controls(*dialogTemplate("HandleGraphsBox"));
    box.opened(controls);

    controls.choose(box, PLOT_LIST, {0, 1});
    controls.press(box, TO_CLIPBOARD);
    EXPECT_EQ(clipboard.count(), GraphClipboard::maxGraphs);
    EXPECT_EQ(controls.control(CLIPBOARD_LIST).entries.size(), static_cast<std::size_t>(GraphClipboard::maxGraphs));
    controls.choose(box, CLIPBOARD_LIST, {0, 1});
    controls.press(box, TO_PLOT);
    EXPECT_EQ(plot.numGraphs(), Plot::maxGraphs);
    EXPECT_EQ(controls.control(PLOT_LIST).entries.size(), static_cast<std::size_t>(Plot::maxGraphs));
    ASSERT_EQ(desktop.boxes.size(), 2u);
    EXPECT_NE(desktop.boxes[0].text.find("Too many graphs"), std::string::npos);
}

}  // namespace
}  // namespace kvx
