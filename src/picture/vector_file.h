#pragma once
// A picture file of one of the vector writers (SVG, EMF): the writer's
// surface, written to its path on finish(). The surface type gives
// Surface(width, height, measurer, title) and finish() with the file's bytes.

#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "platform/picture_file.h"

namespace kvx {

// Writes the bytes in place of the file at `path`; false with the reason in
// `error` when that failed.
bool writeVectorFile(const std::string& path, std::string_view bytes, std::string& error);

template <class VectorWriter>
class VectorFile final : public PictureFile {
public:
    VectorFile(std::string path, int width, int height, std::unique_ptr<TextMeasurer> measurer,
               std::string_view title = {})
        : path_(std::move(path)),
          measurer_(std::move(measurer)),
          surface_(width, height, *measurer_, title)
    {
    }

    Surface& surface() override { return surface_; }
    bool finish() override
    {
        if (!finished_) {
            finished_ = true;
            written_ = writeVectorFile(path_, surface_.finish(), error_);
        }
        return written_;
    }
    std::string error() const override { return error_; }
    void setPaperSize(double widthMm, double heightMm, double dpi) override
    {
        surface_.setPaperSize(widthMm, heightMm, dpi);
    }

private:
    std::string path_;
    std::unique_ptr<TextMeasurer> measurer_;
    VectorWriter surface_;
    bool finished_ = false;
    bool written_ = false;
    std::string error_;
};

}  // namespace kvx
