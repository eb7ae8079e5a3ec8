#include "window/kvx_menu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "settings/keywords.h"
#include "window/menu_choices.h"
#include "window/menu_parser.h"

namespace kvx {
namespace {

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

TEST(KvxMenuTest, ReadModeItemsStandInTheOrderOfTheirModes)
{
    const MenuEntry* readMode = findPopup(kvxMenu().menus, {"Graphs", "Data File", "Read Mode"});
    ASSERT_NE(readMode, nullptr);
    std::vector<int16_t> modes;
    for (const MenuEntry& e : readMode->children) {
        modes.push_back(choiceValue(readModeGroup, static_cast<uint16_t>(e.command)).value_or(0));
    }
    EXPECT_EQ(modes, (std::vector<int16_t>{XYY, XYXY, XYAYA, XYAXYA, YY, COLUMNS}));
    ASSERT_EQ(readMode->children.size(), 6u);
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
