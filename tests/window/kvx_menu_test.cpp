#include "window/kvx_menu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "window/menu_choices.h"
#include "window/menu_parser.h"

namespace kvx {
namespace {

struct FlatItem {
    std::string path;  // the popups and the item text, joined by " > "
    int command;
};

void flatten(const std::vector<MenuEntry>& entries, const std::string& prefix,
             std::vector<FlatItem>& out)
{
    for (const MenuEntry& e : entries) {
        if (e.separator) continue;
        const std::string path = prefix.empty() ? e.text : prefix + " > " + e.text;
        if (e.children.empty()) {
            out.push_back({path, e.command});
        } else {
            flatten(e.children, path, out);
        }
    }
}

std::vector<FlatItem> flatItems()
{
    std::vector<FlatItem> out;
    flatten(kvxMenu().menus, "", out);
    return out;
}

std::vector<std::string> lines(const std::vector<FlatItem>& items)
{
    std::vector<std::string> out;
    for (const FlatItem& i : items) out.push_back(i.path + " = " + std::to_string(i.command));
    return out;
}

const MenuEntry* findPopup(const std::vector<MenuEntry>& entries, const std::vector<std::string>& path)
{
    const std::vector<MenuEntry>* level = &entries;
    const MenuEntry* found = nullptr;
    for (const std::string& name : path) {
        auto it = std::find_if(level->begin(), level->end(),
                               [&](const MenuEntry& e) { return e.text == name && !e.children.empty(); });
        if (it == level->end()) return nullptr;
        found = &*it;
        level = &it->children;
    }
    return found;
}

TEST(KvxMenuTest, TheBuiltInTextParses)
{
    MenuParseError error;
    const std::optional<MenuTree> tree = parseMenu(kvxMenuText(), &error);
    ASSERT_TRUE(tree) << describe(error);
    EXPECT_EQ(tree->name, "Kvx");
    EXPECT_EQ(kvxMenu().menus.size(), tree->menus.size());
}

TEST(KvxMenuTest, FiveMenusInOrder)
{
    std::vector<std::string> names;
    for (const MenuEntry& m : kvxMenu().menus) names.push_back(m.text);
    EXPECT_EQ(names, (std::vector<std::string>{"Session", "Plot", "Graphs", "Extras", "Help"}));
}

// Every item with its exact text, place and number, in menu order.
TEST(KvxMenuTest, EveryItemWithItsTextAndNumber)
{
    const std::vector<std::string> expected = {
        "Session > File > Open ... = 106",
        "Session > File > Add ... = 103",
        "Session > File > Save ... = 109",
        "Session > Print > Black && White = 116",
        "Session > Print > Colored = 117",
        "Session > Exit = 90",
        "Session > Show All = 93",
        "Session > Minimize All = 91",
        "Session > Maximize All = 92",
        "Session > Exit Session = 90",
        "Plot > File > Open ... = 105",
        "Plot > File > Add ... = 102",
        "Plot > File > Save ... = 108",
        "Plot > Edit Lables ... = 420",
        "Plot > Show > Grid > Hide = 251",
        "Plot > Show > Grid > X - && Y - Axes = 252",
        "Plot > Show > Grid > X - Axis = 253",
        "Plot > Show > Grid > Y - Axis = 254",
        "Plot > Show > Legend > Hide = 211",
        "Plot > Show > Legend > Up - Right = 212",
        "Plot > Show > Legend > Up - Left = 214",
        "Plot > Show > Legend > Down - Left = 215",
        "Plot > Show > Legend > Down - Right = 213",
        "Plot > Show > Legend > Out - Right = 216",
        "Plot > Show > Coordinate System > Hide = 247",
        "Plot > Show > Coordinate System > Show Full = 248",
        "Plot > Show > Coordinate System > Show Half = 249",
        "Plot > Color > Color Set ... = 122",
        "Plot > Color > Color Scheme > Light = 123",
        "Plot > Color > Color Scheme > Dark = 124",
        "Plot > Color > Color Scheme > Paper = 125",
        "Plot > Color > Color Scheme > Scope = 126",
        "Plot > Color > Color Scheme > Fancy = 127",
        "Plot > Zoom Mode > X - Y = 500",
        "Plot > Zoom Mode > X,  Autorange  Y = 530",
        "Plot > Zoom Mode > Y,  Autorange  X = 540",
        "Plot > Zoom Mode > X,  Keep Ratio = 550",
        "Plot > Zoom Mode > X = 510",
        "Plot > Zoom Mode > Y = 520",
        "Plot > Auto Range > X && Y = 230",
        "Plot > Auto Range > Y = 232",
        "Plot > Auto Range > X = 231",
        "Plot > Range > Set ... = 243",
        "Plot > Range > Last = 210",
        "Plot > Range > Original > X && Y = 220",
        "Plot > Range > Original > X = 221",
        "Plot > Range > Original > Y = 222",
        "Plot > Range > Store = 224",
        "Plot > Range > Restore = 225",
        "Plot > Range > Redraw > All = 310",
        "Plot > Range > Redraw > Frame && Grid = 320",
        "Plot > Range > Move > In = 590",
        "Plot > Range > Move > Out = 591",
        "Plot > Range > Move > Left = 560",
        "Plot > Range > Move > Right = 561",
        "Plot > Range > Move > Up = 562",
        "Plot > Range > Move > Down = 563",
        "Plot > Axes Equal = 270",
        "Plot > Log X = 271",
        "Plot > Log Y = 272",
        "Plot > Auto Screen Position > 2 Vertical > 1  (up) = 140",
        "Plot > Auto Screen Position > 2 Vertical > 2  (down) = 141",
        "Plot > Auto Screen Position > 2 Horizontal > 1  (left) = 142",
        "Plot > Auto Screen Position > 2 Horizontal > 2  (right) = 143",
        "Plot > Auto Screen Position > 2 Vertical / 2 Horizontal > 1  (up / left) = 144",
        "Plot > Auto Screen Position > 2 Vertical / 2 Horizontal > 2  (up / right) = 145",
        "Plot > Auto Screen Position > 2 Vertical / 2 Horizontal > 3  (down / left) = 146",
        "Plot > Auto Screen Position > 2 Vertical / 2 Horizontal > 4  (down / right) = 147",
        "Plot > Auto Screen Position > 3 Vertical / 2 Horizontal > 1  (up / left) = 148",
        "Plot > Auto Screen Position > 3 Vertical / 2 Horizontal > 2  (up / right) = 149",
        "Plot > Auto Screen Position > 3 Vertical / 2 Horizontal > 3  (middle / left) = 150",
        "Plot > Auto Screen Position > 3 Vertical / 2 Horizontal > 4  (middle / right) = 151",
        "Plot > Auto Screen Position > 3 Vertical / 2 Horizontal > 5  (down / left) = 152",
        "Plot > Auto Screen Position > 3 Vertical / 2 Horizontal > 6  (down / right) = 153",
        "Plot > Copy (to Clipboard) > Black && White = 119",
        "Plot > Copy (to Clipboard) > Colored = 120",
        "Plot > Copy (to Clipboard) > Full Screen Resolution = 121",
        "Plot > Save Figure > Black && White ... = 110",
        "Plot > Save Figure > Colored ... = 111",
        "Plot > Save Figure > Full Screen Resolution ... = 112",
        "Plot > Print > Black && White = 114",
        "Plot > Print > Colored = 115",
        "Plot > New = 750",
        "Plot > Clone = 751",
        "Plot > Close = 94",
        "Graphs > Data File > Open ... = 104",
        "Graphs > Data File > Add ... = 101",
        "Graphs > Data File > Save ... = 107",
        "Graphs > Data File > Read Mode > X   Y   Y  .. = 801",
        "Graphs > Data File > Read Mode > X   Y   X   Y  .. = 802",
        "Graphs > Data File > Read Mode > X   Y att   Y att  .. = 803",
        "Graphs > Data File > Read Mode > X   Y att   X   Y att  .. = 804",
        "Graphs > Data File > Read Mode > Y   Y  .. = 805",
        "Graphs > Edit ... = 130",
        "Graphs > Show > Points > Hide = 255",
        "Graphs > Show > Points > Show = 256",
        "Graphs > Show > Points > Show Begin and End Points = 257",
        "Graphs > Show > Points > Diverse = 258",
        "Graphs > Show > Marker > Hide = 260",
        "Graphs > Show > Marker > Show = 261",
        "Graphs > Show > Marker > Diverse = 262",
        "Graphs > Show > Lines > Hide = 263",
        "Graphs > Show > Lines > Show = 264",
        "Graphs > Line Width >  1 = 601",
        "Graphs > Line Width >  2 = 602",
        "Graphs > Line Width >  3 = 603",
        "Graphs > Line Width >  5 = 604",
        "Graphs > Line Width >  7 = 605",
        "Graphs > Line Width >  10 = 606",
        "Graphs > Line Width > Diverse = 607",
        "Graphs > Marker Size >  6 = 610",
        "Graphs > Marker Size >  7 = 611",
        "Graphs > Marker Size >  8 = 612",
        "Graphs > Marker Size >  10 = 613",
        "Graphs > Marker Size >  12 = 614",
        "Graphs > Marker Size >  15 = 615",
        "Graphs > Marker Size >  18 = 616",
        "Graphs > Marker Size >  21 = 617",
        "Graphs > Marker Size >  25 = 618",
        "Graphs > Marker Size >  30 = 619",
        "Graphs > Marker Size > Diverse = 620",
        "Graphs > Lines Draw-Rate >  1 = 700",
        "Graphs > Lines Draw-Rate >  2 = 701",
        "Graphs > Lines Draw-Rate >  5 = 702",
        "Graphs > Lines Draw-Rate >  10 = 703",
        "Graphs > Lines Draw-Rate >  20 = 704",
        "Graphs > Lines Draw-Rate >  50 = 705",
        "Graphs > Lines Draw-Rate >  100 = 706",
        "Graphs > Lines Draw-Rate >  200 = 707",
        "Graphs > Lines Draw-Rate >  500 = 708",
        "Graphs > Lines Draw-Rate >  1000 = 709",
        "Graphs > Lines Draw-Rate > Diverse = 710",
        "Graphs > Points Draw-Rate >  1 = 720",
        "Graphs > Points Draw-Rate >  2 = 721",
        "Graphs > Points Draw-Rate >  5 = 722",
        "Graphs > Points Draw-Rate >  10 = 723",
        "Graphs > Points Draw-Rate >  20 = 724",
        "Graphs > Points Draw-Rate >  50 = 725",
        "Graphs > Points Draw-Rate >  100 = 726",
        "Graphs > Points Draw-Rate >  200 = 727",
        "Graphs > Points Draw-Rate >  500 = 728",
        "Graphs > Points Draw-Rate >  1000 = 729",
        "Graphs > Points Draw-Rate > Diverse = 730",
        "Graphs > Marker Draw-Rate >  1 = 731",
        "Graphs > Marker Draw-Rate >  2 = 732",
        "Graphs > Marker Draw-Rate >  5 = 733",
        "Graphs > Marker Draw-Rate >  10 = 734",
        "Graphs > Marker Draw-Rate >  20 = 735",
        "Graphs > Marker Draw-Rate >  50 = 736",
        "Graphs > Marker Draw-Rate >  100 = 737",
        "Graphs > Marker Draw-Rate >  200 = 738",
        "Graphs > Marker Draw-Rate >  500 = 739",
        "Graphs > Marker Draw-Rate >  1000 = 740",
        "Graphs > Marker Draw-Rate > Diverse = 741",
        "Graphs > Graph Type > Lines = 742",
        "Graphs > Graph Type > Stairs = 743",
        "Graphs > Graph Type > Bars = 744",
        "Graphs > Graph Type > Stems = 745",
        "Graphs > Graph Type > Diverse = 746",
        "Graphs > Handle ... = 132",
        "Graphs > Copy All = 134",
        "Graphs > Paste All = 136",
        "Graphs > Empty Clipboard = 133",
        "Extras > Statistics ... = 760",
        "Extras > Distribution ... = 761",
        "Extras > Plot Info ... = 762",
        "Extras > Follow Data Files = 764",
        "Extras > Break = 763",
        "Help > About ... = 772",
    };
    EXPECT_EQ(lines(flatItems()), expected);
}

TEST(KvxMenuTest, EveryCommandOnceExceptExit)
{
    std::map<int, std::vector<std::string>> byCommand;
    for (const FlatItem& i : flatItems()) byCommand[i.command].push_back(i.path);
    for (const auto& [command, paths] : byCommand) {
        if (command == 90) {
            EXPECT_EQ(paths, (std::vector<std::string>{"Session > Exit", "Session > Exit Session"}));
        } else {
            EXPECT_EQ(paths.size(), 1u) << "command " << command << " first at " << paths.front();
        }
    }
}

TEST(KvxMenuTest, ReadModeItemsStandInTheOrderOfTheirModes)
{
    const MenuEntry* readMode = findPopup(kvxMenu().menus, {"Graphs", "Data File", "Read Mode"});
    ASSERT_NE(readMode, nullptr);
    std::vector<int16_t> modes;
    for (const MenuEntry& e : readMode->children) {
        modes.push_back(choiceValue(readModeGroup, static_cast<uint16_t>(e.command)).value_or(0));
    }
    EXPECT_EQ(modes, (std::vector<int16_t>{601, 602, 604, 603, 605}));
    ASSERT_EQ(readMode->children.size(), 5u);
    EXPECT_EQ(readMode->children[2].text, "X   Y att   Y att  ..");
}

// The choice tables that the menu state and the dispatcher share name items
// that stand together in one menu of the built-in text, "Diverse" last.
TEST(KvxMenuTest, ChoiceGroupsMatchTheMenu)
{
    struct Group {
        const char* name;
        const ChoiceGroup& group;
        std::vector<std::string> popup;
    };
    const std::vector<Group> groups = {
        {"legend", legendGroup, {"Plot", "Show", "Legend"}},
        {"coordinate system", coorSystemGroup, {"Plot", "Show", "Coordinate System"}},
        {"grid", gridGroup, {"Plot", "Show", "Grid"}},
        {"colour scheme", colorSchemeGroup, {"Plot", "Color", "Color Scheme"}},
        {"zoom mode", zoomModeGroup, {"Plot", "Zoom Mode"}},
        {"read mode", readModeGroup, {"Graphs", "Data File", "Read Mode"}},
        {"points", pointsGroup, {"Graphs", "Show", "Points"}},
        {"marker", markerGroup, {"Graphs", "Show", "Marker"}},
        {"lines", linesGroup, {"Graphs", "Show", "Lines"}},
        {"line width", lineWidthGroup, {"Graphs", "Line Width"}},
        {"marker size", markerSizeGroup, {"Graphs", "Marker Size"}},
        {"lines draw rate", linesDrawRateGroup, {"Graphs", "Lines Draw-Rate"}},
        {"points draw rate", pointsDrawRateGroup, {"Graphs", "Points Draw-Rate"}},
        {"marker draw rate", markerDrawRateGroup, {"Graphs", "Marker Draw-Rate"}},
        {"graph type", graphTypeGroup, {"Graphs", "Graph Type"}},
    };
    for (const Group& g : groups) {
        SCOPED_TRACE(g.name);
        const MenuEntry* popup = findPopup(kvxMenu().menus, g.popup);
        ASSERT_NE(popup, nullptr);
        std::vector<int> menuCommands;
        for (const MenuEntry& e : popup->children) {
            if (!e.separator) menuCommands.push_back(e.command);
        }
        std::vector<int> tableCommands;
        for (const MenuChoice& c : g.group.choices) tableCommands.push_back(c.command);
        if (g.group.diverse != CMD_NONE) {
            tableCommands.push_back(g.group.diverse);
            EXPECT_EQ(popup->children.back().text, "Diverse");
            EXPECT_EQ(popup->children.back().command, g.group.diverse);
        }
        std::sort(menuCommands.begin(), menuCommands.end());
        std::sort(tableCommands.begin(), tableCommands.end());
        EXPECT_EQ(menuCommands, tableCommands);
    }
}

TEST(KvxMenuTest, SeparatorsOnlyBetweenEntries)
{
    std::vector<const MenuEntry*> popups;
    for (const MenuEntry& m : kvxMenu().menus) popups.push_back(&m);
    while (!popups.empty()) {
        const MenuEntry& p = *popups.back();
        popups.pop_back();
        SCOPED_TRACE(p.text);
        ASSERT_FALSE(p.children.empty());
        EXPECT_FALSE(p.children.front().separator);
        EXPECT_FALSE(p.children.back().separator);
        for (std::size_t i = 0; i < p.children.size(); ++i) {
            const MenuEntry& e = p.children[i];
            if (i > 0) {
                EXPECT_FALSE(e.separator && p.children[i - 1].separator);
            }
            if (!e.children.empty()) popups.push_back(&e);
        }
    }
}

}  // namespace
}  // namespace kvx
