#include "filesystem/regular_file.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kvx {

namespace {

void tell(std::string* reason, const char* text)
{
    if (reason) {
        *reason = text;
    }
}

}  // namespace

CFile openRegularFile(const std::string& path, std::string* reason)
{
    // Without O_NONBLOCK, opening a FIFO waits until some process writes to
    // it. The flag is cleared again once the file is known to be regular.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        tell(reason, std::strerror(errno));
        return nullptr;
    }
    struct stat status {};
    const char* problem = nullptr;
    if (::fstat(fd, &status) != 0) {
        problem = std::strerror(errno);
    } else if (S_ISDIR(status.st_mode)) {
        problem = std::strerror(EISDIR);
    } else if (!S_ISREG(status.st_mode)) {
        problem = "not a regular file";
    } else if (const int flags = ::fcntl(fd, F_GETFL);
               flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        problem = std::strerror(errno);
    }
    std::FILE* file = problem ? nullptr : ::fdopen(fd, "rb");
    if (!file) {
        tell(reason, problem ? problem : std::strerror(errno));
        ::close(fd);
        return nullptr;
    }
    return CFile(file);
}

std::optional<std::string> readRegularFile(const std::string& path)
{
    const CFile file = openRegularFile(path);
    if (!file) {
        return std::nullopt;
    }
    std::string text;
    char chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        text.append(chunk, got);
    }
    if (std::ferror(file.get())) {
        return std::nullopt;
    }
    return text;
}

bool isRegularFile(const std::string& path)
{
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace kvx
