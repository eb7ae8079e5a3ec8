#pragma once
// Splits a data file into its physical lines, ending at LF, at CR or at CR LF,
// and counts them. A file is read in large chunks and its lines are handed
// out in place; a line longer than the buffer grows it by doubling.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>

#include "app/heap_block.h"

namespace kvx {

class LineReader {
public:
    // Large enough that the lines of one chunk are worth parsing on two threads.
    static constexpr std::size_t chunkSize = std::size_t{4} << 20;

    // Reads from an open file (not owned) until its end; a read error ends
    // the input as the end of the file does.
    explicit LineReader(std::FILE* file);
    // Reads the lines of a text in memory (not copied; it must outlive the reader).
    explicit LineReader(std::string_view text);
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line without its line end; valid until the next call. False
    // at the end of the input. A last line without a line end still counts.
    bool next(std::string_view& line);
    // The next line that carries content: comment lines ("#" first) and
    // lines of blanks and tabs only are passed over. False at the end.
    bool nextContent(std::string_view& line);

    // The physical number of the line returned last, counting from 1.
    long lineNumber() const { return lineNumber_; }

    // Whether a line is neither a comment ("#" first) nor blanks and tabs only.
    static bool carriesContent(std::string_view line);

    // The unread lines already at hand that end at an LF, at most about
    // `most` bytes of them, stopping before the first line that has a CR:
    // text that can be split into lines at its LFs alone. Empty when there
    // are clearly fewer than `least` bytes of them.
    std::string_view linesAtHand(std::size_t least, std::size_t most);
    // Passes over the first `bytes` of linesAtHand(), which hold `lines` lines.
    void skipLines(std::size_t bytes, long lines);
    // How many bytes are left to read, when that can be known.
    std::optional<std::uint64_t> bytesLeft() const;

private:
    // Keeps the unread rest, makes room (doubling when the rest fills the
    // buffer) and reads more; false once nothing more comes.
    bool refill();
    // Where the line starting at begin_ ends (a CR or LF), or end_ when its
    // end has not been read yet; searched from `from`.
    std::size_t findLineEnd(std::size_t from);

    std::FILE* file_ = nullptr;
    HeapArray<char> buffer_;
    std::size_t capacity_ = 0;
    const char* data_ = nullptr;  // the buffer, or the text in memory
    std::size_t begin_ = 0;       // first unread byte
    std::size_t end_ = 0;         // end of the bytes read so far
    std::size_t nextCr_ = 0;      // first CR at or after its search start, end_ when none
    bool crSearched_ = false;
    bool atEnd_ = false;
    bool skipLf_ = false;  // the last line ended at a CR that may be followed by its LF
    long lineNumber_ = 0;
};

}  // namespace kvx
