#pragma once
// The controls of an open dialog, addressed by control id. The dialog logic
// talks only to this interface: the desktop implements it with real widgets,
// tests with a recording double.

#include <string>
#include <string_view>
#include <vector>

namespace kvx {

// Control ids that every dialog shares.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;  // also Escape and the window's close button

class DialogControls {
public:
    virtual ~DialogControls() = default;

    // Fields (and the captions of other controls).
    virtual std::string text(int id) const = 0;
    virtual void setText(int id, std::string_view text) = 0;
    // Selects the whole text of a field.
    virtual void selectAllText(int id) = 0;
    virtual void setReadOnly(int id, bool readOnly) = 0;

    virtual void setFocus(int id) = 0;
    virtual void setEnabled(int id, bool enabled) = 0;

    // Check boxes and radio buttons. Checking a radio button unchecks the
    // other radios of its container.
    virtual bool checked(int id) const = 0;
    virtual void setChecked(int id, bool checked) = 0;

    // Lists and drawn lists. Entries of a drawn list are drawn by the dialog;
    // their texts serve as the entries' names.
    virtual void setEntries(int id, const std::vector<std::string>& entries) = 0;
    virtual void addEntry(int id, std::string_view entry) = 0;
    virtual int entryCount(int id) const = 0;
    // The selected entries (0-based, ascending); a single-selection list or a
    // drawn list has at most one.
    virtual std::vector<int> selection(int id) const = 0;
    // Replaces the selection; entries beyond the list are ignored, an empty
    // list selects nothing.
    virtual void setSelection(int id, const std::vector<int>& entries) = 0;

    // Closes the dialog; runDialog returns `result`.
    virtual void endDialog(int result) = 0;
};

}  // namespace kvx
