#pragma once
// Where a save may write: the folder of a path, and whether a file name that
// the program made up (from a window's title, which a plot file sets) may be
// written in the folder the user chose.

#include <string>

namespace kvx {

// The folder part of `path` with its final "/"; empty for a bare name.
std::string folderOfPath(const std::string& path);

// Why the made-up name `path` in `folder` ("" for the working directory)
// must not be written: a symbolic link that leads nowhere or out of the
// folder, or something other than a regular file, which would take the
// bytes at once instead of on completion. Empty when nothing is there yet,
// or a regular file (also through a link that stays in the folder).
std::string madeUpTargetProblem(const std::string& path, const std::string& folder);

// Whether anything, even a link that leads nowhere, has the name `path`.
bool somethingAt(const std::string& path);

}  // namespace kvx
