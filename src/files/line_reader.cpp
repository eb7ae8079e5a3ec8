#include "files/line_reader.h"

#include <algorithm>
#include <cstring>

#include <sys/stat.h>

namespace kvx {

LineReader::LineReader(std::FILE* file) : file_(file), capacity_(chunkSize)
{
    buffer_.resize(capacity_);
    data_ = buffer_.data();
}

LineReader::LineReader(std::string_view text) : data_(text.data()), end_(text.size()), atEnd_(true)
{
}

bool LineReader::refill()
{
    if (!file_ || atEnd_) {
        atEnd_ = true;
        return false;
    }
    const std::size_t rest = end_ - begin_;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, rest);
        begin_ = 0;
        end_ = rest;
    }
    if (end_ == capacity_) {
        capacity_ *= 2;
        buffer_.resize(capacity_);
    }
    data_ = buffer_.data();
    crSearched_ = false;
    const std::size_t got = std::fread(buffer_.data() + end_, 1, capacity_ - end_, file_);
    end_ += got;
    if (got == 0) {
        atEnd_ = true;
        return false;
    }
    return true;
}

std::size_t LineReader::findLineEnd(std::size_t from)
{
    // Most files have no CR at all: one search per buffer finds that out,
    // and the LF search below then runs over the whole rest.
    if (!crSearched_ || nextCr_ < from) {
        const void* cr = std::memchr(data_ + from, '\r', end_ - from);
        nextCr_ = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - data_) : end_;
        crSearched_ = true;
    }
    const void* lf = std::memchr(data_ + from, '\n', nextCr_ - from);
    return lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - data_) : nextCr_;
}

bool LineReader::carriesContent(std::string_view line)
{
    const bool comment = !line.empty() && line.front() == '#';
    return !comment && line.find_first_not_of(" \t") != std::string_view::npos;
}

bool LineReader::nextContent(std::string_view& line)
{
    while (next(line)) {
        if (carriesContent(line)) {
            return true;
        }
    }
    return false;
}

std::string_view LineReader::linesAtHand(std::size_t least, std::size_t most)
{
    if (skipLf_ || begin_ == end_) {
        // A CR just ended a line, and whether an LF belongs to it is next()'s to decide.
        return {};
    }
    findLineEnd(begin_);  // brings nextCr_ up to date
    const std::size_t stop = std::min(nextCr_, end_ - begin_ > most ? begin_ + most : end_);
    if (stop - begin_ < least) {
        return {};
    }
    const void* lf = memrchr(data_ + begin_, '\n', stop - begin_);
    if (!lf) {
        return {};
    }
    const auto size = static_cast<std::size_t>(static_cast<const char*>(lf) - (data_ + begin_)) + 1;
    return {data_ + begin_, size};
}

void LineReader::skipLines(std::size_t bytes, long lines)
{
    begin_ += bytes;
    lineNumber_ += lines;
}

std::optional<std::uint64_t> LineReader::bytesLeft() const
{
    const std::size_t atHand = end_ - begin_;
    if (!file_) {
        return atHand;
    }
    struct stat status {};
    const off_t position = ::ftello(file_);
    if (::fstat(::fileno(file_), &status) != 0 || !S_ISREG(status.st_mode) || position < 0 ||
        status.st_size < position) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(status.st_size - position) + atHand;
}

bool LineReader::next(std::string_view& line)
{
    if (skipLf_) {
        if (begin_ == end_) {
            refill();
        }
        if (begin_ < end_ && data_[begin_] == '\n') {
            ++begin_;
        }
        skipLf_ = false;
    }
    std::size_t scanFrom = begin_;
    for (;;) {
        std::size_t stop = findLineEnd(scanFrom);
        if (stop < end_) {
            line = std::string_view(data_ + begin_, stop - begin_);
            if (data_[stop] == '\r') {
                if (stop + 1 < end_) {
                    if (data_[stop + 1] == '\n') {
                        ++stop;
                    }
                } else {
                    // Its LF, if any, has not been read yet; the line must
                    // stay valid, so the next call looks for it.
                    skipLf_ = true;
                }
            }
            begin_ = stop + 1;
            ++lineNumber_;
            return true;
        }
        const std::size_t scanned = end_ - begin_;
        if (!refill()) {
            if (begin_ == end_) {
                return false;
            }
            line = std::string_view(data_ + begin_, end_ - begin_);
            begin_ = end_;
            ++lineNumber_;
            return true;
        }
        scanFrom = begin_ + scanned;
    }
}

}  // namespace kvx
