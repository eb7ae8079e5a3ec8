#include "filesystem/folder_lock.h"

#include <cerrno>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kvx {

namespace {

constexpr std::chrono::milliseconds pollInterval{20};

}  // namespace

FolderLock::FolderLock(const std::string& folder, std::chrono::milliseconds patience)
{
    fd_ = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) {
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            break;  // no locks on this file system
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            busy_ = true;
            break;
        }
        std::this_thread::sleep_for(pollInterval);
    }
    ::close(fd_);
    fd_ = -1;
}

FolderLock::~FolderLock()
{
    if (fd_ >= 0) {
        ::close(fd_);  // releases the lock
    }
}

std::string FolderLock::problem() const
{
    return busy_ ? "another save into this folder is still under way" : std::string();
}

}  // namespace kvx
