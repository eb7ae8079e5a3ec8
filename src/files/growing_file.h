#pragma once
// The view of a file that another program writes line by line: what it
// appended since the last look, whole lines only, and whether it was cut
// short, replaced or removed meanwhile. Each byte is read once: the line
// still being written is kept until its line end comes, and a look at a
// file whose size did not change reads nothing. A look reads a bounded
// piece; what lies beyond waits for the next look.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <sys/types.h>

namespace kvx {

class GrowingFile {
public:
    enum class Change {
        None,         // no new complete line
        Appended,     // lines() holds the lines appended since the last look
        Restarted,    // the file is new, shorter or another file: lines() holds it from its start
        Gone,         // the file cannot be read any more
        LineTooLong,  // a line grew past longestLine without its end; the next look starts anew
    };

    // The most one look reads.
    static constexpr std::size_t pieceBytes = std::size_t{4} << 20;
    // A line still without its end past this is given up.
    static constexpr std::size_t longestLine = std::size_t{16} << 20;

    // A relative `path` is taken against the working directory of now.
    explicit GrowingFile(const std::string& path);

    // Looks at the file again. The first look counts as a restart.
    Change look();
    // The complete lines the last look took; valid until the next look.
    std::string_view lines() const { return lines_; }
    // The file held more than the last look read.
    bool morePending() const { return known_ && readTo_ < size_; }
    const std::string& path() const { return path_; }

private:
    void forget();
    // Reads on from readTo_ at most one piece; false when nothing came.
    bool readPiece(int fd);
    // Takes the complete lines among the `fresh` bytes at the buffer's end.
    Change takeLines(std::size_t fresh, bool restart);

    std::string path_;
    bool known_ = false;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    std::uint64_t size_ = 0;    // the file's size at the last look
    std::uint64_t readTo_ = 0;  // bytes read: the lines taken, then the line still being written
    bool crLast_ = false;       // the lines taken end at a CR, whose LF may come next
    std::string buffer_;        // the lines of the last look, then the line still being written
    std::size_t handedOut_ = 0; // the front of buffer_ that lines_ shows
    std::string_view lines_;
};

}  // namespace kvx
