#pragma once
// Replaces several files together, so that files which name each other are
// never seen half old and half new: every member is written to its own
// temporary file, and commit() renames them over their targets only when all
// of them are complete. When anything fails, every target stays as it was
// and no temporary file is left.
//
// Members are put in place in the reverse order of adding them: the file
// that names the others is added first and replaces its old version last.

#include <memory>
#include <string>
#include <vector>

#include "filesystem/replacing_file.h"

namespace kvx {

class ReplacingFileGroup {
public:
    ReplacingFileGroup() = default;
    // Discards every member unless commit() succeeded.
    ~ReplacingFileGroup();
    ReplacingFileGroup(const ReplacingFileGroup&) = delete;
    ReplacingFileGroup& operator=(const ReplacingFileGroup&) = delete;

    // A new member that writes `target`. It takes writes until commit(), or
    // until its finishWriting() closes it early, so that a long group keeps
    // few files open.
    ReplacingFile& add(std::string target);

    // Puts every member in place; false when any failed, and then no target
    // has changed. (Only a rename refused after the others succeeded, which
    // a folder that took the temporary files gives no cause for, leaves the
    // members renamed before it in place.)
    bool commit();

    // True once a member has failed; the rest of the group need not be written.
    bool failed() const { return failure() != nullptr; }
    // The first member that failed; null while none has.
    const ReplacingFile* failure() const;

private:
    void discardAll();

    std::vector<std::unique_ptr<ReplacingFile>> files_;
};

}  // namespace kvx
