#include "filesystem/replacing_file.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>

#include <fcntl.h>
#include <limits.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include "filesystem/save_target.h"

namespace kvx {

namespace {

constexpr std::size_t bufferCapacity = std::size_t{1} << 16;
// As many links as the system itself follows before giving up with ELOOP.
constexpr int maxLinks = 40;

std::string randomSuffix()
{
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char bytes[8];
    if (::getrandom(bytes, sizeof bytes, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bytes)) {
        // The names only need to differ most of the time: O_EXCL keeps
        // every temporary file a new one.
        static uint64_t counter = 0;
        const uint64_t mix =
            static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
            (static_cast<uint64_t>(::getpid()) << 40) ^ ++counter;
        std::memcpy(bytes, &mix, sizeof bytes);
    }
    std::string suffix;
    for (const unsigned char b : bytes) {
        suffix += letters[b % (sizeof letters - 1)];
    }
    return suffix;
}

// A rename is on the disk only when its folder is; failing here loses
// nothing that the file's own flush has not already secured.
void syncFolder(const std::string& path)
{
    const std::string folder = folderOfPath(path);
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

ReplacingFile::ReplacingFile(std::string target) : target_(std::move(target))
{
    start();
    if (!failed()) {
        buffer_.reserve(bufferCapacity);
    }
}

ReplacingFile::~ReplacingFile()
{
    if (!finished_) {
        discard();
    }
}

void ReplacingFile::start()
{
    if (target_.empty()) {
        fail(ENOENT);
        return;
    }
    struct stat status {};
    if (::stat(target_.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        if (S_ISDIR(status.st_mode)) {
            fail(EISDIR);
            return;
        }
        // A FIFO without a reader fails (ENXIO) instead of waiting for one.
        fd_ = ::open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        const int flags = fd_ < 0 ? -1 : ::fcntl(fd_, F_GETFL);
        if (flags < 0 || ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK) != 0) {
            fail(errno);
        }
        return;
    }
    destination_ = followLinks();
    if (!failed()) {
        createTemporary(destination_);
    }
}

std::string ReplacingFile::followLinks()
{
    std::string path = target_;
    for (int hops = 0;; ++hops) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return path;
        }
        if (hops == maxLinks) {
            fail(ELOOP);
            return {};
        }
        // Links in /proc report no size; PATH_MAX holds any path there.
        std::string link(status.st_size > 0 ? static_cast<std::size_t>(status.st_size) + 1 : PATH_MAX,
                         '\0');
        const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
        if (length < 0) {
            fail(errno);
            return {};
        }
        link.resize(static_cast<std::size_t>(length));
        path = link.front() == '/' ? link : folderOfPath(path) + link;
    }
}

void ReplacingFile::createTemporary(const std::string& destination)
{
    struct stat old {};
    const bool replacing = ::stat(destination.c_str(), &old) == 0;
    // Writing in place would fail on a read-only file; so does replacing it.
    if (replacing && ::faccessat(AT_FDCWD, destination.c_str(), W_OK, AT_EACCESS) != 0) {
        fail(errno);
        return;
    }
    const std::string folder = folderOfPath(destination);
    // Short enough for the system's limit on a name (255 bytes).
    const std::string name = destination.substr(folder.size(), 200);
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        std::string candidate = folder + "." + name + ".kvx-" + randomSuffix();
        // Mode 0666 with O_CREAT: the system applies the umask (and a
        // folder's default ACL) as for any new file.
        fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            temporary_ = std::move(candidate);
        } else if (errno != EEXIST) {
            fail(errno);
            return;
        }
    }
    if (fd_ < 0) {
        fail(EEXIST);
        return;
    }
    if (replacing) {
        // Owner first: a change of owner clears set-id bits that the mode
        // then restores. Either may be refused; the file stays ours then.
        [[maybe_unused]] const int ownerKept = ::fchown(fd_, old.st_uid, old.st_gid);
        [[maybe_unused]] const int modeKept = ::fchmod(fd_, old.st_mode & 07777);
    }
}

bool ReplacingFile::write(const void* data, std::size_t size)
{
    if (failed() || finished_ || written_) {
        return false;
    }
    const char* bytes = static_cast<const char*>(data);
    if (buffer_.size() + size > bufferCapacity) {
        if (!flushBuffer()) {
            return false;
        }
        if (size >= bufferCapacity) {
            return writeAll(bytes, size);
        }
    }
    buffer_.insert(buffer_.end(), bytes, bytes + size);
    return true;
}

bool ReplacingFile::flushBuffer()
{
    const bool written = writeAll(buffer_.data(), buffer_.size());
    buffer_.clear();
    return written;
}

bool ReplacingFile::writeAll(const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd_, data, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            fail(n < 0 ? errno : EIO);
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool ReplacingFile::finishWriting()
{
    if (finished_) {
        return committed_;
    }
    if (!written_) {
        written_ = true;
        if (!failed()) {
            flushBuffer();
        }
        // Devices and FIFOs written straight have nothing to put on a disk.
        if (!failed() && !temporary_.empty() && ::fsync(fd_) != 0) {
            fail(errno);
        }
        closeFile();
        std::vector<char>().swap(buffer_);
    }
    if (failed()) {
        finished_ = true;
        discard();
    }
    return !failed();
}

bool ReplacingFile::commit()
{
    if (finished_) {
        return committed_;
    }
    if (finishWriting() && !temporary_.empty()) {
        if (::rename(temporary_.c_str(), destination_.c_str()) != 0) {
            fail(errno);
        } else {
            temporary_.clear();
            syncFolder(destination_);
        }
    }
    finished_ = true;
    committed_ = !failed();
    if (!committed_) {
        discard();
    }
    return committed_;
}

void ReplacingFile::discard()
{
    finished_ = true;
    buffer_.clear();
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}

void ReplacingFile::closeFile()
{
    if (fd_ < 0) {
        return;
    }
    // Some file systems report a failed write only when the file is closed.
    if (::close(fd_) != 0 && !failed()) {
        fail(errno);
    }
    fd_ = -1;
}

void ReplacingFile::fail(int error)
{
    if (error_.empty()) {
        error_ = std::strerror(error != 0 ? error : EIO);
    }
}

}  // namespace kvx
