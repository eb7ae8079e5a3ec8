#pragma once
// An open C file that closes itself; release() it to check fclose's result.

#include <cstdio>
#include <memory>

namespace kvx {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

using CFile = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace kvx
