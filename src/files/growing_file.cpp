#include "files/growing_file.h"

#include <cstdio>
#include <cstring>

#include <sys/stat.h>

#include "platform/regular_file.h"

namespace kvx {

namespace {

// The end of the last line end (LF or CR) in `text`, 0 when there is none.
std::size_t completeLength(std::string_view text)
{
    const std::size_t last = text.find_last_of("\r\n");
    return last == std::string_view::npos ? 0 : last + 1;
}

}  // namespace

GrowingFile::Change GrowingFile::look()
{
    lines_ = {};
    const CFile file = openRegularFile(path_);
    struct stat status {};
    if (!file || ::fstat(::fileno(file.get()), &status) != 0) {
        known_ = false;
        return Change::Gone;
    }
    const auto size = static_cast<std::uint64_t>(status.st_size);
    const bool restart = !known_ || status.st_dev != device_ || status.st_ino != inode_ || size < taken_;
    if (restart) {
        known_ = true;
        device_ = status.st_dev;
        inode_ = status.st_ino;
        taken_ = 0;
        crLast_ = false;
    }
    if (size == taken_ || ::fseeko(file.get(), static_cast<off_t>(taken_), SEEK_SET) != 0) {
        return restart ? Change::Restarted : Change::None;
    }
    buffer_.resize(static_cast<std::size_t>(size - taken_));
    buffer_.resize(std::fread(buffer_.data(), 1, buffer_.size(), file.get()));
    std::string_view text(buffer_);
    // A line that is still being written waits for its line end.
    const std::size_t complete = completeLength(text);
    text = text.substr(0, complete);
    taken_ += complete;
    if (crLast_ && !text.empty() && text.front() == '\n') {
        text.remove_prefix(1);  // the LF of a CR LF that the last look ended in
    }
    if (complete > 0) {
        crLast_ = buffer_[complete - 1] == '\r';
    }
    lines_ = text;
    if (restart) {
        return Change::Restarted;
    }
    return lines_.empty() ? Change::None : Change::Appended;
}

}  // namespace kvx
