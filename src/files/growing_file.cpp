#include "files/growing_file.h"

#include <algorithm>
#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

#include "filesystem/absolute_path.h"
#include "filesystem/regular_file.h"

namespace kvx {

namespace {

// The end of the last line end (LF or CR) in `text`, 0 when there is none.
std::size_t completeLength(std::string_view text)
{
    const std::size_t last = text.find_last_of("\r\n");
    return last == std::string_view::npos ? 0 : last + 1;
}

}  // namespace

GrowingFile::GrowingFile(const std::string& path) : path_(absolutePath(path)) {}

void GrowingFile::forget()
{
    known_ = false;
    std::string().swap(buffer_);
    handedOut_ = 0;
}

GrowingFile::Change GrowingFile::look()
{
    lines_ = {};
    buffer_.erase(0, handedOut_);
    handedOut_ = 0;
    if (buffer_.capacity() > 2 * pieceBytes && buffer_.size() < pieceBytes) {
        buffer_.shrink_to_fit();  // the long line that needed it was taken
    }
    const CFile file = openRegularFile(path_);
    struct stat status {};
    if (!file || ::fstat(::fileno(file.get()), &status) != 0) {
        forget();
        return Change::Gone;
    }
    size_ = static_cast<std::uint64_t>(status.st_size);
    const bool restart = !known_ || status.st_dev != device_ || status.st_ino != inode_ || size_ < readTo_;
    if (restart) {
        forget();
        known_ = true;
        device_ = status.st_dev;
        inode_ = status.st_ino;
        readTo_ = 0;
        crLast_ = false;
    }
    const std::size_t before = buffer_.size();
    if (size_ == readTo_ || !readPiece(::fileno(file.get()))) {
        return restart ? Change::Restarted : Change::None;
    }
    return takeLines(buffer_.size() - before, restart);
}

bool GrowingFile::readPiece(int fd)
{
    // Bytes that were read once lie in the buffer: the piece starts after them.
    const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(size_ - readTo_, pieceBytes));
    const std::size_t start = buffer_.size();
    buffer_.resize(start + wanted);
    std::size_t got = 0;
    while (got < wanted) {
        const ssize_t n = ::pread(fd, buffer_.data() + start + got, wanted - got, static_cast<off_t>(readTo_ + got));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;  // cut short meanwhile: the next look sees the new size
        }
        got += static_cast<std::size_t>(n);
    }
    buffer_.resize(start + got);
    readTo_ += got;
    return got > 0;
}

GrowingFile::Change GrowingFile::takeLines(std::size_t fresh, bool restart)
{
    // Only the fresh bytes can hold a line end: the ones before are the line
    // still being written.
    const std::size_t freshEnd = completeLength(std::string_view(buffer_).substr(buffer_.size() - fresh));
    if (freshEnd == 0) {
        if (buffer_.size() > longestLine) {
            forget();
            return Change::LineTooLong;
        }
        return restart ? Change::Restarted : Change::None;
    }
    const std::size_t complete = buffer_.size() - fresh + freshEnd;
    std::string_view text(buffer_.data(), complete);
    handedOut_ = complete;
    if (crLast_ && text.front() == '\n') {
        text.remove_prefix(1);  // the LF of a CR LF that the last look ended in
    }
    crLast_ = buffer_[complete - 1] == '\r';
    lines_ = text;
    if (restart) {
        return Change::Restarted;
    }
    return lines_.empty() ? Change::None : Change::Appended;
}

}  // namespace kvx
