#pragma once
// What a file dialog asks: a title, the filters to choose from, a proposed
// name, and whether it opens (the file must exist) or saves (an existing
// file is overwritten only after a question).

#include <string>
#include <vector>

namespace kvx {

class NativeWindow;

struct FileFilter {
    std::string description;  // "Kurvex Plot Files (*.plt)"
    std::string patterns;     // "*.plt", several separated by ";"
};

struct FileDialogRequest {
    NativeWindow* owner = nullptr;  // the dialog is modal to it
    std::string title;
    std::vector<FileFilter> filters;
    std::string proposal;  // the path the dialog starts with; may be empty
    bool save = false;
    // Added to a name typed without an extension (saving), without the dot.
    std::string defaultExtension;
};

}  // namespace kvx
