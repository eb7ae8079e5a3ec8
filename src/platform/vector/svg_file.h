#pragma once
// An SVG picture file: the SVG writer's surface, written to its path on finish().

#include <memory>
#include <string>

#include "platform/picture_file.h"
#include "platform/vector/svg_surface.h"

namespace kvx {

class SvgFile final : public PictureFile {
public:
    SvgFile(std::string path, int width, int height, std::unique_ptr<TextMeasurer> measurer,
            std::string_view title = {});

    Surface& surface() override { return surface_; }
    bool finish() override;
    std::string error() const override { return error_; }

private:
    std::string path_;
    std::unique_ptr<TextMeasurer> measurer_;
    SvgSurface surface_;
    bool finished_ = false;
    bool written_ = false;
    std::string error_;
};

}  // namespace kvx
