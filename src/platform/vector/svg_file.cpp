#include "platform/vector/svg_file.h"

#include <fstream>

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
    const std::string& document = surface_.finish();
    std::ofstream file(path_, std::ios::binary | std::ios::trunc);
    file.write(document.data(), static_cast<std::streamsize>(document.size()));
    file.close();
    written_ = !file.fail();
    return written_;
}

}  // namespace kvx
