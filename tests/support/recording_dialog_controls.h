#pragma once
// The controls of a dialog for tests: built from the dialog's template, they
// keep what the logic puts in them and let a test act as the user would
// (type, press, choose). A control id that the template does not have, or
// an operation that does not fit the control's kind, fails the test.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog_handler.h"
#include "platform/dialog_template.h"

namespace kvx::test {

class RecordingDialogControls : public DialogControls {
public:
    struct Control {
        ControlKind kind = ControlKind::Label;
        int container = 0;  // radios of one container exclude each other
        std::string text;
        std::vector<std::string> entries;
        std::vector<int> selection;
        bool checked = false;
        bool enabled = true;
        bool readOnly = false;
        bool textSelected = false;  // the whole text is selected
    };

    explicit RecordingDialogControls(const DialogTemplate& dialog);

    // What the logic left in control `id`.
    const Control& control(int id) const;
    int focus() const { return focus_; }
    bool ended() const { return result_.has_value(); }
    std::optional<int> result() const { return result_; }

    // The user's actions. Typing replaces the field's text; pressing a check
    // box toggles it, a radio button checks it; choosing replaces a list's
    // selection. Each tells the logic as the desktop would.
    void type(int id, std::string_view text);
    void press(DialogHandler& handler, int id);
    void choose(DialogHandler& handler, int id, const std::vector<int>& entries);

    std::string text(int id) const override;
    void setText(int id, std::string_view text) override;
    void selectAllText(int id) override;
    void setReadOnly(int id, bool readOnly) override;
    void setFocus(int id) override;
    void setEnabled(int id, bool enabled) override;
    bool checked(int id) const override;
    void setChecked(int id, bool checked) override;
    void setEntries(int id, const std::vector<std::string>& entries) override;
    void addEntry(int id, std::string_view entry) override;
    int entryCount(int id) const override;
    std::vector<int> selection(int id) const override;
    void setSelection(int id, const std::vector<int>& entries) override;
    void endDialog(int result) override;

private:
    Control& at(int id, std::initializer_list<ControlKind> kinds);
    const Control& at(int id, std::initializer_list<ControlKind> kinds) const;

    std::vector<std::pair<int, Control>> controls_;
    int focus_ = 0;
    std::optional<int> result_;
};

}  // namespace kvx::test
