#include "dialogs/dialog_templates.h"

#include <gtest/gtest.h>

#include <set>

#include "dialogs/dialog_template_parser.h"

namespace kvx {
namespace {

void collect(const std::vector<ControlTemplate>& controls, std::multiset<int>& ids, std::vector<int>& buddies)
{
    for (const ControlTemplate& c : controls) {
        if (c.id != ControlTemplate::noId) {
            ids.insert(c.id);
        }
        if (c.buddy != ControlTemplate::noId) {
            buddies.push_back(c.buddy);
        }
        collect(c.children, ids, buddies);
    }
}

TEST(DialogTemplates, EveryDialogReadsWithUniqueIdsAndNamesOnlyItsOwnControls)
{
    const ParsedDialogs parsed = parseDialogTemplates(dialogTemplatesText());
    ASSERT_EQ(parsed.error, "");
    std::set<std::string> names;
    for (const DialogTemplate& dialog : parsed.dialogs) {
        names.insert(dialog.name);
        std::multiset<int> ids;
        std::vector<int> buddies;
        collect(dialog.controls, ids, buddies);
        for (const int id : ids) {
            EXPECT_EQ(ids.count(id), 1u) << dialog.name << " has control " << id << " twice";
        }
        for (const int buddy : buddies) {
            EXPECT_EQ(ids.count(buddy), 1u) << dialog.name << " names the missing control " << buddy;
        }
        EXPECT_EQ(dialogTemplate(dialog.name), dialogTemplate(dialog.name));
    }
    EXPECT_EQ(names, (std::set<std::string>{"ColorSetBox", "DistributionBox", "EditGraphsBox", "FigurePaperBox", "HandleGraphsBox",
                                            "LablesBox", "RangeAndTicksBox", "StatisticsBox"}));
    EXPECT_EQ(dialogTemplate("NoSuchBox"), nullptr);
}

TEST(DialogTemplateParser, ReadsNestingOptionsAndEscapesAndNamesTheLineOfAFault)
{
    const ParsedDialogs parsed = parseDialogTemplates(
        "# a comment\n"
        "dialog Box \"A \\\"quoted\\\" caption\"\n"
        "  group \"G\" at 1 2 span 3 4\n"
        "    label \"Name:\" for 5 at 0 0\n"
        "    field 5 at 0 1 width 12 limit 255 readonly\n"
        "  end\n"
        "  multilist 6 tabs 26 rows 9\n"
        "  row\n"
        "    button 1 \"Two\\nlines\" default\n"
        "  end\n"
        "end\n");
    ASSERT_EQ(parsed.error, "");
    ASSERT_EQ(parsed.dialogs.size(), 1u);
    const DialogTemplate& box = parsed.dialogs[0];
    EXPECT_EQ(box.caption, "A \"quoted\" caption");
    ASSERT_EQ(box.controls.size(), 3u);
    const ControlTemplate& group = box.controls[0];
    EXPECT_EQ(group.kind, ControlKind::Group);
    EXPECT_EQ((std::vector<int>{group.row, group.column, group.rowSpan, group.columnSpan}),
              (std::vector<int>{1, 2, 3, 4}));
    ASSERT_EQ(group.children.size(), 2u);
    EXPECT_EQ(group.children[0].buddy, 5);
    const ControlTemplate* field = findControl(box, 5);
    ASSERT_NE(field, nullptr);
    EXPECT_TRUE(field->readOnly);
    EXPECT_EQ(field->width, 12);
    EXPECT_EQ(field->maxLength, 255);
    EXPECT_EQ(box.controls[1].tabStop, 26);
    EXPECT_EQ(box.controls[1].height, 9);
    EXPECT_EQ(findControl(box, 1)->text, "Two\nlines");
    EXPECT_TRUE(findControl(box, 1)->isDefault);

    EXPECT_EQ(parseDialogTemplates("dialog A \"a\"\n  field 3 at x\nend\n").error, "line 2: option 'at' needs numbers");
    EXPECT_EQ(parseDialogTemplates("dialog A \"a\"\n  knob 3\nend\n").error, "line 2: unknown control kind 'knob'");
    EXPECT_EQ(parseDialogTemplates("dialog A \"a\"\n  group \"g\"\nend\n").error, "line 3: the last dialog has no 'end'");
    EXPECT_EQ(parseDialogTemplates("field 3\n").error, "line 1: a control outside a dialog");
}

}  // namespace
}  // namespace kvx
