#pragma once
// A fresh folder for one test, removed with everything in it afterwards.

#include <string>
#include <string_view>

namespace kvx::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // path() + "/" + name
    std::string file(std::string_view name) const;

private:
    std::string path_;
};

void writeFile(const std::string& path, std::string_view text);
std::string readFile(const std::string& path);
bool fileExists(const std::string& path);

}  // namespace kvx::test
