#include "filesystem/replacing_file_group.h"

namespace kvx {

ReplacingFileGroup::~ReplacingFileGroup()
{
    discardAll();
}

ReplacingFile& ReplacingFileGroup::add(std::string target)
{
    files_.push_back(std::make_unique<ReplacingFile>(std::move(target)));
    return *files_.back();
}

bool ReplacingFileGroup::commit()
{
    bool complete = true;
    for (const auto& file : files_) {
        complete = file->finishWriting() && complete;
    }
    if (complete) {
        for (auto file = files_.rbegin(); file != files_.rend() && complete; ++file) {
            complete = (*file)->commit();
        }
    }
    discardAll();
    return complete;
}

const ReplacingFile* ReplacingFileGroup::failure() const
{
    for (const auto& file : files_) {
        if (file->failed()) {
            return file.get();
        }
    }
    return nullptr;
}

void ReplacingFileGroup::discardAll()
{
    // A member put in place keeps its file: discarding it changes nothing.
    for (const auto& file : files_) {
        file->discard();
    }
}

}  // namespace kvx
