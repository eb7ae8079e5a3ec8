#include "platform/vector/svg_file.h"

#include "platform/replacing_file.h"

namespace kvx {

SvgFile::SvgFile(std::string path, int width, int height, std::unique_ptr<TextMeasurer> measurer,
                 std::string_view title)
    : path_(std::move(path)),
      measurer_(std::move(measurer)),
      surface_(width, height, *measurer_, title)
{
}

bool SvgFile::finish()
{
    if (finished_) {
        return written_;
    }
    finished_ = true;
    ReplacingFile file(path_);
    file.write(surface_.finish());
    written_ = file.commit();
    error_ = file.error();
    return written_;
}

}  // namespace kvx
