#include "dialogs/edit_graphs_box.h"

#include <gtest/gtest.h>

#include "dialogs/control_ids.h"

#include <string>
#include <vector>

#include "dialogs/dialog_templates.h"
#include "window/plot.h"
#include "model/app_context.h"
#include "settings/keywords.h"
#include "support/recording_dialog_controls.h"
#include "support/recording_surface.h"

namespace kvx {
namespace {

using test::RecordingDialogControls;
using test::RecordingSurface;

constexpr int LIST = IDC_GRAPH_LIST, DELETE_UNUSED = IDC_DELETE_UNUSED, SELECT_ALL = IDC_SELECT_ALL,
              NUMBER = IDC_GRAPH_NUMBER, LABLE = IDC_GRAPH_LABLE, TYPE = IDC_GRAPH_TYPE, COLOR = IDC_GRAPH_COLOR,
              WIDTH = IDC_LINE_WIDTH, MARKER = IDC_MARKER_TYPE, LINES_RATE = IDC_LINES_RATE,
              REORDER = IDC_REORDER_COLORS, ACCEPT = IDC_ACCEPT;

class EditGraphsBoxTest : public testing::Test {
protected:
    AppContext context_;

    Plot plot{"p"};
    EditGraphsBox box{plot};
    RecordingDialogControls controls{*dialogTemplate("EditGraphsBox")};
};

TEST_F(EditGraphsBoxTest, SeveralGraphsShowOnlyWhatTheyShareAndAcceptChangesOnlyThat)
{
    plot.ensureGraphs(2);
    plot.setLable("A", 1);
    plot.setLable("B", 2);
    plot.setLinesDrawRate(4, 1);
    box.opened(controls);
    EXPECT_EQ(controls.control(LIST).entries, (std::vector<std::string>{"1\tA", "2\tB"}));
    EXPECT_EQ(controls.control(LIST).selection, std::vector<int>{0});
    EXPECT_EQ(controls.control(NUMBER).text, "1");
    EXPECT_EQ(controls.control(LINES_RATE).text, "4");

    controls.choose(box, LIST, {0, 1});
    EXPECT_EQ(controls.control(NUMBER).text, "");
    EXPECT_EQ(controls.control(LABLE).text, "");
    EXPECT_EQ(controls.control(WIDTH).text, "1");
    EXPECT_EQ(controls.control(LINES_RATE).text, "");
    EXPECT_EQ(controls.control(TYPE).selection, std::vector<int>{0});  // both LINES
    EXPECT_TRUE(controls.control(COLOR).selection.empty());            // colours 1 and 2
    EXPECT_TRUE(controls.control(MARKER).selection.empty());           // TRIANGLE and SQUARE

    controls.type(WIDTH, "3");
    controls.press(box, ACCEPT);
    EXPECT_EQ(plot.graph(1).lable(), "A");
    EXPECT_EQ(plot.graph(2).lable(), "B");
    EXPECT_EQ(plot.graph(1).colorNum(), 1);
    EXPECT_EQ(plot.graph(2).colorNum(), 2);
    EXPECT_EQ(plot.graph(1).markerType(), TRIANGLE);
    EXPECT_EQ(plot.graph(2).markerType(), SQUARE);
    EXPECT_EQ(plot.graph(1).linesDrawRate(), 4);
    EXPECT_EQ(plot.graph(2).lineWidth(), 3);
    EXPECT_EQ(controls.control(LIST).selection, (std::vector<int>{0, 1}));

    // One graph: an empty label is taken; widths of 0, no digits or below 0
    // leave the width; digits are read up to the first other character.
    controls.choose(box, LIST, {1});
    EXPECT_EQ(controls.control(NUMBER).text, "2");
    EXPECT_EQ(controls.control(LABLE).text, "B");
    controls.type(LABLE, "");
    controls.choose(box, MARKER, {7});
    controls.choose(box, TYPE, {2});
    for (const char* width : {"0", "abc", "-4"}) {
        controls.type(WIDTH, width);
        controls.press(box, ACCEPT);
        EXPECT_EQ(plot.graph(2).lineWidth(), 3) << width;
        EXPECT_EQ(controls.control(WIDTH).text, "3") << width;
    }
    EXPECT_EQ(plot.graph(2).lable(), "");
    EXPECT_EQ(plot.graph(2).markerType(), PLUS);
    EXPECT_EQ(plot.graph(2).type(), BARS);
    EXPECT_EQ(controls.control(LIST).entries.at(1), "2\t");
    controls.type(WIDTH, "  +5px");
    controls.press(box, ACCEPT);
    EXPECT_EQ(plot.graph(2).lineWidth(), 5);
    EXPECT_EQ(plot.graph(1).lable(), "A");

    controls.press(box, 1);
    EXPECT_EQ(controls.result(), 1);
}

TEST_F(EditGraphsBoxTest, ScalePaletteLastEntryStandsForEveryHigherColourAndNoEntryForNumbersBelowOne)
{
    plot.ensureGraphs(2);
    plot.setColorPalette(GRAY_SCALE, 5);
    plot.setColorNum(9, 1);
    plot.setColorNum(-3, 2);
    box.opened(controls);
    EXPECT_EQ(controls.control(COLOR).entries, (std::vector<std::string>{"1:", "2:", "3:", "4:", "5+:"}));
    EXPECT_EQ(controls.control(COLOR).selection, std::vector<int>{4});
    controls.press(box, ACCEPT);
    EXPECT_EQ(plot.graph(1).colorNum(), 5);

    // No entry stands for a number below 1: nothing is selected and it stays.
    controls.choose(box, LIST, {1});
    EXPECT_TRUE(controls.control(COLOR).selection.empty());
    controls.press(box, ACCEPT);
    EXPECT_EQ(plot.graph(2).colorNum(), -3);

    box.controlUsed(controls, IDCANCEL, ControlEvent::Clicked);
    EXPECT_EQ(controls.result(), IDCANCEL);
}

TEST_F(EditGraphsBoxTest, DeleteUnusedKeepsTheGraphsWithPointsThenColoursAreNumberedAnew)
{
    plot.ensureGraphs(5);
    for (const int n : {1, 3, 5}) {
        plot.append(0.0, n, static_cast<int16_t>(n));
        plot.setLable("G" + std::to_string(n), static_cast<int16_t>(n));
    }
    box.opened(controls);
    controls.choose(box, LIST, {2, 3});
    controls.press(box, DELETE_UNUSED);
    EXPECT_EQ(controls.control(LIST).entries, (std::vector<std::string>{"1\tG1", "2\tG3", "3\tG5"}));
    EXPECT_EQ(controls.control(LIST).selection, std::vector<int>{0});
    EXPECT_EQ(controls.control(NUMBER).text, "1");
    EXPECT_EQ(plot.graph(3).colorNum(), 5);

    controls.press(box, SELECT_ALL);
    EXPECT_EQ(controls.control(LIST).selection, (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(controls.control(COLOR).selection.empty());
    controls.press(box, REORDER);
    EXPECT_EQ(plot.graph(2).colorNum(), 2);
    EXPECT_EQ(plot.graph(3).colorNum(), 3);
}

TEST_F(EditGraphsBoxTest, DrawsTypeKeywordsPaletteSwatchesAndBlackMarkersInThePlotsFont)
{
    plot.ensureGraphs(1);
    plot.setColorPalette(GRAY_SCALE, 5);
    plot.settings().fontSize = 20;
    box.opened(controls);

    RecordingSurface type;
    box.drawEntry(type, TYPE, 2, 100, 15);
    EXPECT_EQ(type.only("font"), std::vector<std::string>{"font 20"});
    EXPECT_EQ(type.only("align"), std::vector<std::string>{"align left baseline"});
    EXPECT_EQ(type.only("text "), std::vector<std::string>{"text 5 15 BARS"});

    // Colour 2 of a five-step grey scale: (255 * 2 - 255) / 4 = 63.
    RecordingSurface color;
    box.drawEntry(color, COLOR, 1, 100, 15);
    EXPECT_EQ(color.only("fillRect"), std::vector<std::string>{"fillRect 25 0 100 15 #3f3f3f"});
    EXPECT_EQ(color.only("text "), std::vector<std::string>{"text 2 15 2:"});
    RecordingSurface last;
    box.drawEntry(last, COLOR, 4, 100, 15);
    EXPECT_EQ(last.only("fillRect"), std::vector<std::string>{"fillRect 25 0 100 15 #ffffff"});
    EXPECT_EQ(last.only("text "), std::vector<std::string>{"text 2 15 5+:"});

    RecordingSurface none;
    box.drawEntry(none, MARKER, 0, 100, 15);
    EXPECT_EQ(none.only("text "), std::vector<std::string>{"text 4 15 NOMARKER"});
    // SQUARE of size 7 at the centre (50, 7): half side 3.
    RecordingSurface square;
    box.drawEntry(square, MARKER, 2, 100, 15);
    EXPECT_EQ(square.only("pen"), std::vector<std::string>{"pen solid 1 #000000"});
    EXPECT_EQ(square.only("brush"), std::vector<std::string>{"brush #000000"});
    EXPECT_EQ(square.only("moveTo"), std::vector<std::string>{"moveTo 47 4"});
    EXPECT_EQ(square.only("lineTo"), (std::vector<std::string>{"lineTo 47 10", "lineTo 53 10", "lineTo 53 4"}));
}

}  // namespace
}  // namespace kvx
