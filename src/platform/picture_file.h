#pragma once
// A picture drawn into a file: it owns a surface of a given pixel size, and
// finish() ends the drawing and writes the file (PNG, PDF, SVG, EMF).

#include <string>

#include "platform/surface.h"

namespace kvx {

enum class PictureFormat { Png, Pdf, Svg, Emf };

class PictureFile {
public:
    virtual ~PictureFile() = default;

    virtual Surface& surface() = 0;
    // Writes the file; false when it could not be written, and then a file
    // of that name from before stays as it was. Drawing after finish()
    // changes nothing on disk.
    virtual bool finish() = 0;
    // Why finish() failed, in the system's words; empty after success.
    virtual std::string error() const = 0;
    // What the picture stands for on paper, when asked for before drawing:
    // its size in millimetres (0: its pixels at 96 an inch) and a raster
    // picture's pixels per inch.
    virtual void setPaperSize(double /*widthMm*/, double /*heightMm*/, double /*dpi*/) {}
};

}  // namespace kvx
