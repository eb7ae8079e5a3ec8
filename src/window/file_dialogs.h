#pragma once
// The file commands of the menus: the open and save dialogs with their
// titles, filters and proposed names, the hand-over of a command to the
// program that embeds the plot, and the names under which plots, data and
// sessions are written.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/session_file.h"
#include "window/plot.h"
#include "platform/file_dialog.h"

namespace kvx {

// Open or add (code FILE_OPEN or FILE_ADD plus a kind) through the open
// dialog. True when the file was read or the command handed over.
bool openWithDialog(Plot& plot, int16_t code);
// Save (FILE_SAVE plus a kind) through the save dialog. True when written or
// handed over.
bool saveWithDialog(Plot& plot, int16_t code);
// Writes the data, the plot (with its data) or the session under `path`:
// data keep a typed extension, plots and sessions take their own. A session
// that would replace plot or data files it does not name asks first, listing
// them; "No" writes nothing. False, after a warning that names the file and
// the reason, when a file could not be written (every previous file then
// stays as it was), and without one when the user said "No".
bool saveByPath(Plot& plot, const std::string& path, int16_t code);
// The writing of saveByPath without the warning: false with the file that
// could not be written and the reason. A session save asks `mayReplace`
// before it replaces files that the session does not name (none: it does not).
// The plot windows of `list` for a session save.
SessionPlots sessionPlots(const SessionList& list);
bool writeByPath(Plot& plot, const std::string& path, int16_t code, std::string& failedPath, std::string& reason,
                 const ReplaceQuestion& mayReplace = {});
// The save dialog for a file of one kind of the system's own ("Save
// Figure"): the chosen path, or nothing when cancelled. With `propose` the
// dialog starts with the plot's title in the working directory. `more`
// filters follow the kind's and "All Files (*.*)".
std::optional<std::string> askSaveFileName(Plot& plot, std::string_view title, std::string_view description,
                                           std::string_view extension, bool propose,
                                           const std::vector<FileFilter>& more = {});

// Its counterpart for opening a file of an edition's own kind ("Conconi
// File"): the file must exist.
std::optional<std::string> askOpenFileName(Plot& plot, std::string_view title, std::string_view description,
                                           std::string_view extension, bool propose);

// The warning that a file could not be written: its name and the reason.
void warnWriteFailure(Plot& plot, const std::string& path, const std::string& reason);

}  // namespace kvx
