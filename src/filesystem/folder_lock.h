#pragma once
// An advisory lock on a folder for as long as files are saved into it, so
// that two saves into one folder, by this process or another, follow each
// other instead of mixing their files. The lock is on the folder itself,
// which stays the same while the files in it are replaced, and it ends with
// the object (or the process).

#include <chrono>
#include <string>

namespace kvx {

class FolderLock {
public:
    // How long a save waits for another one into the same folder.
    static constexpr std::chrono::milliseconds savePatience{5000};

    // Takes the lock of `folder` ("" for the working directory), waiting up
    // to `patience` while another holds it. A folder that cannot be opened
    // or locked (a file system without locks) is not locked: the save
    // itself then says what is wrong, or goes ahead unguarded.
    FolderLock(const std::string& folder, std::chrono::milliseconds patience);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False when another held the lock for all of `patience`.
    bool obtained() const { return !busy_; }
    // Why the lock was not obtained, as a save reports it; empty when it was.
    std::string problem() const;

private:
    int fd_ = -1;
    bool busy_ = false;
};

}  // namespace kvx
