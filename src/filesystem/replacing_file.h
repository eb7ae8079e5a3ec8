#pragma once
// Writes a file so that a failure never leaves a half-written file where a
// good one was: the bytes go to a temporary file in the target's folder, and
// commit() flushes it to the disk and renames it over the target. Until
// then, and whenever anything fails, the target stays as it was, and the
// temporary file is removed (unless the process is killed). Every file the
// system writes goes through this class.
//
// - A symbolic link as the target stays a link: the file it points to is
//   replaced (a dangling link gets its file created), as writing in place
//   would do.
// - An existing target that is neither a regular file nor a folder (a
//   device such as /dev/null, a FIFO) holds no content to keep: it is
//   written straight, without a temporary file. Opening it never blocks.
// - A new file gets the permissions the umask gives; a replaced file keeps
//   its mode and, where the system allows it, its owner and group. A target
//   that may not be written (read-only) is refused as writing in place
//   would be. Other hard links to a replaced file keep the old content.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kvx {

class ReplacingFile {
public:
    // Starts the temporary file at once; a failure shows in failed().
    explicit ReplacingFile(std::string target);
    // Discards everything unless commit() succeeded.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Appends bytes (buffered). False once anything has failed; from then on
    // writes are ignored.
    bool write(const void* data, std::size_t size);
    bool write(std::string_view bytes) { return write(bytes.data(), bytes.size()); }

    // Puts everything written on the disk without touching the target yet,
    // so that several files can be completed before any is replaced; false
    // when anything failed (the temporary file is then gone). Writes end
    // here; commit() then only puts the file in place.
    bool finishWriting();
    // Puts everything written on the disk and in place of the target. False
    // when anything failed since the start; the target is then as it was.
    // Later calls give the same answer.
    bool commit();
    // Drops what was written; the target stays as it was.
    void discard();

    bool failed() const { return !error_.empty(); }
    // Why the file could not be written, as the system words it ("No space
    // left on device"); empty while nothing failed.
    const std::string& error() const { return error_; }
    const std::string& target() const { return target_; }

private:
    void start();
    // The file behind the symbolic links of target_; empty on failure.
    std::string followLinks();
    void createTemporary(const std::string& destination);
    bool flushBuffer();
    bool writeAll(const char* data, std::size_t size);
    void fail(int error);
    void closeFile();

    std::string target_;
    std::string destination_;  // where the temporary file goes on commit
    std::string temporary_;    // empty when writing straight into the target
    int fd_ = -1;
    std::vector<char> buffer_;
    std::string error_;
    bool written_ = false;  // finishWriting() has run
    bool finished_ = false;
    bool committed_ = false;
};

}  // namespace kvx
