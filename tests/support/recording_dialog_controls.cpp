#include "support/recording_dialog_controls.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace kvx::test {

namespace {

using Kind = ControlKind;

constexpr std::initializer_list<Kind> anyKind{Kind::Label,  Kind::Field,  Kind::List,    Kind::MultiList,
                                              Kind::DrawnList, Kind::Check, Kind::Radio, Kind::Button,
                                              Kind::Picture, Kind::Group,  Kind::Row};
constexpr std::initializer_list<Kind> lists{Kind::List, Kind::MultiList, Kind::DrawnList};
constexpr std::initializer_list<Kind> checkable{Kind::Check, Kind::Radio};

}  // namespace

RecordingDialogControls::RecordingDialogControls(const DialogTemplate& dialog)
{
    int containers = 0;
    auto add = [&](auto& self, const std::vector<ControlTemplate>& list, int container) -> void {
        for (const ControlTemplate& c : list) {
            if (c.id != ControlTemplate::noId) {
                Control control;
                control.kind = c.kind;
                control.container = container;
                control.text = c.kind == Kind::Field ? std::string() : c.text;
                control.readOnly = c.readOnly;
                controls_.emplace_back(c.id, control);
            }
            if (!c.children.empty()) {
                self(self, c.children, ++containers);
            }
        }
    };
    add(add, dialog.controls, 0);
}

RecordingDialogControls::Control& RecordingDialogControls::at(int id, std::initializer_list<Kind> kinds)
{
    return const_cast<Control&>(std::as_const(*this).at(id, kinds));
}

const RecordingDialogControls::Control& RecordingDialogControls::at(int id,
                                                                     std::initializer_list<Kind> kinds) const
{
    static Control none;  // what an unknown id answers, after the failure
    none = Control{};
    const auto found = std::find_if(controls_.begin(), controls_.end(), [&](const auto& c) { return c.first == id; });
    if (found == controls_.end()) {
        ADD_FAILURE() << "the dialog has no control " << id;
        return none;
    }
    if (std::find(kinds.begin(), kinds.end(), found->second.kind) == kinds.end()) {
        ADD_FAILURE() << "control " << id << " is not of a kind for this operation";
    }
    return found->second;
}

const RecordingDialogControls::Control& RecordingDialogControls::control(int id) const
{
    return at(id, anyKind);
}

void RecordingDialogControls::type(int id, std::string_view text)
{
    Control& field = at(id, {Kind::Field});
    EXPECT_TRUE(field.enabled && !field.readOnly) << "typing into control " << id << ", which takes no input";
    field.text = text;
    field.textSelected = false;
}

void RecordingDialogControls::press(DialogHandler& handler, int id)
{
    Control& control = at(id, {Kind::Button, Kind::Check, Kind::Radio});
    EXPECT_TRUE(control.enabled) << "pressing control " << id << ", which is disabled";
    if (control.kind == Kind::Check) {
        control.checked = !control.checked;
    } else if (control.kind == Kind::Radio) {
        setChecked(id, true);
    }
    handler.controlUsed(*this, id, ControlEvent::Clicked);
}

void RecordingDialogControls::choose(DialogHandler& handler, int id, const std::vector<int>& entries)
{
    EXPECT_TRUE(at(id, lists).kind == Kind::MultiList || entries.size() <= 1)
        << "choosing several entries of the single-selection list " << id;
    setSelection(id, entries);
    handler.controlUsed(*this, id, ControlEvent::SelectionChanged);
}

std::string RecordingDialogControls::text(int id) const { return at(id, anyKind).text; }

void RecordingDialogControls::setText(int id, std::string_view text)
{
    Control& control = at(id, anyKind);
    control.text = text;
    control.textSelected = false;
}

void RecordingDialogControls::selectAllText(int id) { at(id, {Kind::Field}).textSelected = true; }

void RecordingDialogControls::setReadOnly(int id, bool readOnly) { at(id, {Kind::Field}).readOnly = readOnly; }

void RecordingDialogControls::setFocus(int id)
{
    at(id, anyKind);
    focus_ = id;
}

void RecordingDialogControls::setEnabled(int id, bool enabled) { at(id, anyKind).enabled = enabled; }

bool RecordingDialogControls::checked(int id) const { return at(id, checkable).checked; }

void RecordingDialogControls::setChecked(int id, bool checked)
{
    Control& control = at(id, checkable);
    if (checked && control.kind == Kind::Radio) {
        for (auto& [other, state] : controls_) {
            if (state.kind == Kind::Radio && state.container == control.container) {
                state.checked = false;
            }
        }
    }
    control.checked = checked;
}

void RecordingDialogControls::setEntries(int id, const std::vector<std::string>& entries)
{
    Control& list = at(id, lists);
    list.entries = entries;
    list.selection.clear();
}

void RecordingDialogControls::addEntry(int id, std::string_view entry) { at(id, lists).entries.emplace_back(entry); }

int RecordingDialogControls::entryCount(int id) const { return static_cast<int>(at(id, lists).entries.size()); }

std::vector<int> RecordingDialogControls::selection(int id) const { return at(id, lists).selection; }

void RecordingDialogControls::setSelection(int id, const std::vector<int>& entries)
{
    Control& list = at(id, lists);
    list.selection.clear();
    for (const int entry : entries) {
        if (entry >= 0 && entry < static_cast<int>(list.entries.size())) {
            list.selection.push_back(entry);
        }
    }
    std::sort(list.selection.begin(), list.selection.end());
    list.selection.erase(std::unique(list.selection.begin(), list.selection.end()), list.selection.end());
    if (list.kind != Kind::MultiList && list.selection.size() > 1) {
        list.selection.resize(1);
    }
}

void RecordingDialogControls::endDialog(int result)
{
    EXPECT_FALSE(result_.has_value()) << "the dialog was ended twice";
    result_ = result;
}

}  // namespace kvx::test
