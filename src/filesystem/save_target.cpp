#include "filesystem/save_target.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include <sys/stat.h>

namespace kvx {

namespace {

// The path with every link and "." or ".." resolved; empty when it leads
// nowhere.
std::string resolved(const std::string& path)
{
    char buffer[PATH_MAX];
    return ::realpath(path.c_str(), buffer) ? std::string(buffer) : std::string();
}

}  // namespace

std::string folderOfPath(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string madeUpTargetProblem(const std::string& path, const std::string& folder)
{
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
        return {};  // nothing there, or a reason that writing will give
    }
    if (S_ISLNK(status.st_mode)) {
        const std::string target = resolved(path);
        if (target.empty()) {
            return "a symbolic link that leads nowhere";
        }
        std::string inside = resolved(folder.empty() ? "." : folder);
        if (!inside.empty() && inside.back() != '/') {
            inside += '/';
        }
        if (inside.empty() || target.compare(0, inside.size(), inside) != 0) {
            return "a symbolic link that leads out of the folder";
        }
        if (::stat(target.c_str(), &status) != 0) {
            return {};
        }
    }
    return S_ISREG(status.st_mode) ? std::string() : "not a regular file";
}

bool somethingAt(const std::string& path)
{
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

}  // namespace kvx
