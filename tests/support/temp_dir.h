#pragma once
// A fresh folder for one test, removed with everything in it afterwards.

#include <string>
#include <string_view>

#include "platform/scratch_folder.h"

namespace kvx::test {

// Throws when no folder can be made, so that no test writes elsewhere.
class TempDir : public ScratchFolder {
public:
    TempDir();
};

void writeFile(const std::string& path, std::string_view text);
std::string readFile(const std::string& path);
bool fileExists(const std::string& path);

}  // namespace kvx::test
