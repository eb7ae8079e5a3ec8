#pragma once
// A dialog as data: its controls with their ids, kinds, texts and places in a
// grid. The templates are written in resources/dialogs/ and compiled in; the
// desktop builds real widgets from them.

#include <string>
#include <vector>

namespace kvx {

enum class ControlKind {
    Label,      // static text, optionally naming a control (its keyboard buddy)
    Field,      // one-line text field
    List,       // list, one entry selectable
    MultiList,  // list, several entries selectable
    DrawnList,  // drop-down list whose entries the dialog draws itself
    Check,      // check box
    Radio,      // radio button; the radios of one container exclude each other
    Button,     // push button
    Picture,    // a small picture the dialog draws itself
    Group,      // a framed group with a grid of its own
    Row,        // a row of controls, right-aligned (the button row)
};

struct ControlTemplate {
    static constexpr int noId = -1;

    ControlKind kind = ControlKind::Label;
    int id = noId;
    std::string text;   // caption, label or group title
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
    bool readOnly = false;
    bool isDefault = false;  // the button that Enter presses
    int tabStop = 0;         // lists: the tab stop in dialog units (0: none)
    int width = 0;           // pictures: pixels; fields: at least this many characters
    int height = 0;          // pictures: pixels; drawn lists: the entry height; lists: rows shown
    int maxLength = 0;       // fields: at most this many characters (0: no limit)
    int buddy = noId;        // labels: the control they name
    std::vector<ControlTemplate> children;  // groups and rows
};

struct DialogTemplate {
    std::string name;  // the resource name, e.g. "LablesBox"
    std::string caption;
    std::vector<ControlTemplate> controls;
};

// The control with `id` anywhere in the template, or null.
const ControlTemplate* findControl(const DialogTemplate& dialog, int id);

}  // namespace kvx
