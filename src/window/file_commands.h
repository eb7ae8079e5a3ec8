#pragma once
// The command side of the file handling: the kind of a file from its
// extension, the open dispatcher that reads data, plot and session files
// into a plot window, and the names under which files are written.

#include <cstdint>
#include <string>
#include <string_view>

#include "filesystem/path_parts.h"
#include "window/plot.h"
#include "window/read_shortfall.h"

namespace kvx {

// File-command codes: one action bit and one kind bit.
constexpr int16_t FILE_ADD = 2;
constexpr int16_t FILE_OPEN = 4;
constexpr int16_t FILE_SAVE = 8;
constexpr int16_t FILE_DATA = 16;
constexpr int16_t FILE_PLOT = 32;
constexpr int16_t FILE_SESSION = 64;

// Everything before the extension's dot, followed by "."; without an
// extension the whole path followed by ".".
std::string basePath(std::string_view path);

// FILE_PLOT for the extension "plt", FILE_SESSION for "ses" (in any case),
// FILE_DATA for anything else.
int16_t fileKindOf(std::string_view path);

// `base` (ending in ".") with `extension` in lower case, or in upper case
// when only that file exists.
std::string withExtension(const std::string& base, std::string_view extension);

// The plot (FILE_PLOT) or session (FILE_SESSION) file that `path` names:
// the path itself when it ends in that kind's extension in any letter case
// (X.PLT) and exists; otherwise its base with the extension in lower case,
// or in upper case when only that exists; a path of the kind that is not
// there when neither is.
std::string fileOfKind(const std::string& path, int16_t kind);

// Why the plot file `name` cannot be read: "cannot open NAME: reason" for
// it or, when it opens, for its data file beside it; empty when both open.
std::string plotFileProblem(const std::string& name);

// Opens `path` as a data, plot or session file (by its extension, "plt" and
// "ses" in any case) with `mode` FILE_OPEN or FILE_ADD. What a session
// leaves out, and a data file that gives nothing, go to `shortfall` when
// given (see readSession).
bool openByPath(Plot& plot, const std::string& path, int16_t mode, ReadShortfall* shortfall = nullptr);

// The open dispatcher: `code` is a kind bit plus FILE_OPEN or FILE_ADD.
// False when a reader failed.
bool openFile(Plot& plot, const std::string& path, int16_t code, bool fromAddSession = false,
              ReadShortfall* shortfall = nullptr);

}  // namespace kvx
