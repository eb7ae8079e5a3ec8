#include "platform/qt/qt_desktop.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "dialogs/dialog_template_parser.h"

namespace kvx {
namespace {

const char* const testBox = R"(
dialog TestBox "Test Box"
  group "Values" at 0 0
    label "Name:" for 10 at 0 0
    field 10 at 0 1 width 8
    label "Shown:" for 11 at 1 0
    field 11 at 1 1 readonly
  end
  multilist 12 tabs 26 rows 4 at 1 0
  drawnlist 13 rows 15 at 2 0
  group "Kind" at 3 0
    radio 15 "A" at 0 0
    radio 16 "B" at 0 1
  end
  row at 4 0
    button 1 "OK" default
    button 2 "Cancel"
  end
end
)";

// Logic that fills the box, notes every use and leaves the reaction to the
// test.
struct ScriptedLogic : DialogHandler {
    std::vector<std::pair<int, ControlEvent>> used;
    std::vector<std::pair<int, int>> drawn;  // control, entry
    std::function<void(DialogControls&, int)> react;

    void opened(DialogControls& c) override
    {
        c.setText(10, "first");
        c.setText(11, "fixed");
        c.setEntries(12, {"1\tone", "2\ttwo", "3\tthree"});
        c.setSelection(12, {0, 2});
        c.setEntries(13, {"red", "green", "blue"});
        c.setSelection(13, {1});
        c.setChecked(16, true);
        c.selectAllText(10);
        c.setFocus(10);
    }
    void controlUsed(DialogControls& c, int id, ControlEvent event) override
    {
        used.emplace_back(id, event);
        if (react) {
            react(c, id);
        }
    }
    void drawEntry(Surface& surface, int id, int index, int width, int height) override
    {
        drawn.emplace_back(id, index);
        const Color colours[] = {rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255)};
        surface.fillRect(0, 0, width, height, colours[index % 3]);
    }
};

// Acts on the dialog once it is up.
void whenUp(std::function<void(QDialog&)> act)
{
    QTimer::singleShot(0, [act]() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            whenUp(act);
            return;
        }
        act(*dialog);
    });
}

QWidget* focused(QDialog& dialog)
{
    return dialog.focusWidget();
}

TEST(QtDialogTest, BuildsTheTemplateAndOnlyTheLogicClosesIt)
{
    const DialogTemplate box = parseDialogTemplates(testBox).dialogs.at(0);
    QtDesktop desktop(false);
    ScriptedLogic logic;
    std::vector<std::string> seen;
    logic.react = [&](DialogControls& c, int id) {
        if (id == IDOK) {
            seen.push_back(c.text(10));
            seen.push_back(std::to_string(c.selection(12).size()) + " " + std::to_string(c.selection(13).at(0)));
            seen.push_back(c.checked(15) ? "A" : "B");
            c.endDialog(7);
        }
    };
    QString caption;
    bool fieldReadOnly = false;
    QImage entry;
    whenUp([&](QDialog& dialog) {
        caption = dialog.windowTitle();
        auto* name = qobject_cast<QLineEdit*>(focused(dialog));
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->selectedText(), "first");
        // Tab walks the controls in the template's order; the read-only
        // field is skipped.
        QTest::keyClick(name, Qt::Key_Tab);
        EXPECT_TRUE(qobject_cast<QListWidget*>(focused(dialog)));
        QTest::keyClick(focused(dialog), Qt::Key_Tab);
        auto* combo = qobject_cast<QComboBox*>(focused(dialog));
        ASSERT_NE(combo, nullptr);
        entry = combo->grab().toImage();
        fieldReadOnly = dialog.findChildren<QLineEdit*>().at(1)->isReadOnly();
        QTest::keyClick(focused(dialog), Qt::Key_Escape);  // the logic keeps it open
        name->setFocus();
        name->selectAll();
        QTest::keyClicks(name, "typed");
        QTest::keyClick(name, Qt::Key_Return);
    });
    EXPECT_EQ(desktop.runDialog(nullptr, box, logic), 7);
    EXPECT_EQ(caption, "Test Box");
    EXPECT_TRUE(fieldReadOnly);
    EXPECT_EQ(seen, (std::vector<std::string>{"typed", "2 1", "B"}));
    // Filling and selecting from the logic told it nothing; Escape and Enter
    // did, as IDCANCEL and the default button.
    EXPECT_EQ(logic.used, (std::vector<std::pair<int, ControlEvent>>{{IDCANCEL, ControlEvent::Clicked},
                                                                      {IDOK, ControlEvent::Clicked}}));
    // The closed drop-down shows the chosen entry as the logic draws it.
    ASSERT_FALSE(entry.isNull());
    EXPECT_NE(std::find(logic.drawn.begin(), logic.drawn.end(), std::pair{13, 1}), logic.drawn.end());
    EXPECT_EQ(entry.pixelColor(entry.width() / 3, entry.height() / 2), QColor(0, 255, 0));
}

TEST(QtDialogTest, TheUsersChoicesReachTheLogic)
{
    const DialogTemplate box = parseDialogTemplates(testBox).dialogs.at(0);
    QtDesktop desktop(false);
    ScriptedLogic logic;
    std::vector<int> listSelection;
    logic.react = [&](DialogControls& c, int id) {
        if (id == 12) {
            listSelection = c.selection(12);
        }
        if (id == IDCANCEL) {
            c.endDialog(0);
        }
    };
    whenUp([&](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QRadioButton* radioA = dialog.findChildren<QRadioButton*>().at(0);
        radioA->click();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(desktop.runDialog(nullptr, box, logic), 0);
    EXPECT_EQ(listSelection, std::vector<int>{1});
    ASSERT_GE(logic.used.size(), 3u);
    EXPECT_EQ(logic.used.back(), (std::pair{IDCANCEL, ControlEvent::Clicked}));
    EXPECT_NE(std::find(logic.used.begin(), logic.used.end(), std::pair{15, ControlEvent::Clicked}), logic.used.end());
}

TEST(QtDialogTest, BatchModeShowsNoDialog)
{
    const DialogTemplate box = parseDialogTemplates(testBox).dialogs.at(0);
    QtDesktop desktop(true);
    ScriptedLogic logic;
    EXPECT_EQ(desktop.runDialog(nullptr, box, logic), -1);
    EXPECT_TRUE(logic.used.empty());
}

}  // namespace
}  // namespace kvx
