#pragma once
// A fresh folder for one test, removed with everything in it afterwards.

#include <set>
#include <string>
#include <string_view>

#include "filesystem/scratch_folder.h"

namespace kvx::test {

// Throws when no folder can be made, so that no test writes elsewhere.
class TempDir : public ScratchFolder {
public:
    TempDir();
};

void writeFile(const std::string& path, std::string_view text);
std::string readFile(const std::string& path);
bool fileExists(const std::string& path);
// The names of everything in `folder`.
std::set<std::string> namesIn(const std::string& folder);

}  // namespace kvx::test
