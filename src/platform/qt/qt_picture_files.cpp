#include "platform/qt/qt_picture_files.h"

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_image_surface.h"
#include "platform/qt/qt_text_measurer.h"
#include "platform/qt/qt_vector_surface.h"
#include "platform/qt/replacing_file_device.h"
#include "filesystem/replacing_file.h"
#include "picture/emf_file.h"
#include "picture/svg_file.h"

namespace kvx {

namespace {

constexpr int pdfResolution = 96;
constexpr double pointsPerPixel = 72.0 / pdfResolution;
static_assert(pdfResolution / 25.4 == pixelsPerMm, "PDF pages have the pixels of every other picture");

// Why a picture could not be written: the file's reason, or, when the file
// took every byte, the encoder's failure.
std::string pictureError(const ReplacingFile& file, const char* encoderFailure)
{
    return file.failed() ? file.error() : encoderFailure;
}

class PngFile final : public PictureFile {
public:
    PngFile(std::string path, int width, int height) : path_(std::move(path)), surface_(width, height) {}

    Surface& surface() override { return surface_; }

    bool finish() override
    {
        if (finished_) {
            return error_.empty();
        }
        finished_ = true;
        ReplacingFile file(path_);
        ReplacingFileDevice device(file);
        if (!surface_.image().save(&device, "PNG")) {
            error_ = pictureError(file, "the PNG encoder failed");
            return false;
        }
        if (!file.commit()) {
            error_ = file.error();
        }
        return error_.empty();
    }

    std::string error() const override { return error_; }
    void setPaperSize(double, double, double dpi) override { surface_.setResolution(dpi); }

private:
    std::string path_;
    QtImageSurface surface_;
    bool finished_ = false;
    std::string error_;
};

class PdfFile final : public PictureFile {
public:
    PdfFile(const std::string& path, int width, int height, std::string_view title)
        : file_(path), device_(file_), writer_(&device_)
    {
        width = std::max(1, width);
        height = std::max(1, height);
        writer_.setResolution(pdfResolution);
        writer_.setPageSize(QPageSize(QSizeF(width * pointsPerPixel, height * pointsPerPixel),
                                      QPageSize::Point, QString(), QPageSize::ExactMatch));
        writer_.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer_.setCreator(QStringLiteral("Kurvex"));
        writer_.setTitle(toQString(title));
        // A file that cannot be created still gets a surface to draw on, a
        // small image nobody sees, and finish() reports the failure.
        if (file_.failed() || !painter_.begin(&writer_)) {
            spare_ = QImage(1, 1, QImage::Format_RGB32);
            painter_.begin(&spare_);
            failed_ = true;
        }
        surface_ = std::make_unique<QtVectorSurface>(
            painter_, DeviceSize{width, height, width / pixelsPerMm, height / pixelsPerMm});
    }

    // The writer writes whatever it has when its painter ends; the file
    // discards it when the picture was never finished.
    ~PdfFile() override
    {
        if (!finished_) {
            painter_.end();
        }
    }

    Surface& surface() override { return *surface_; }

    bool finish() override
    {
        if (finished_) {
            return error_.empty();
        }
        finished_ = true;
        surface_->finish();
        // The PDF engine ignores failed writes; the file has kept them.
        if (!painter_.end() || failed_) {
            error_ = pictureError(file_, "the PDF writer failed");
            file_.discard();
        } else if (!file_.commit()) {
            error_ = file_.error();
        }
        return error_.empty();
    }

    std::string error() const override { return error_; }

private:
    ReplacingFile file_;
    ReplacingFileDevice device_;
    QPdfWriter writer_;
    QImage spare_;
    QPainter painter_;
    std::unique_ptr<QtVectorSurface> surface_;
    bool failed_ = false;
    bool finished_ = false;
    std::string error_;
};

}  // namespace

std::unique_ptr<PictureFile> createPictureFile(PictureFormat format, std::string path, int width,
                                               int height, std::string_view title)
{
    switch (format) {
    case PictureFormat::Png: return std::make_unique<PngFile>(std::move(path), width, height);
    case PictureFormat::Pdf: return std::make_unique<PdfFile>(path, width, height, title);
    case PictureFormat::Svg:
        return std::make_unique<SvgFile>(std::move(path), width, height, createTextMeasurer(), title);
    case PictureFormat::Emf:
        return std::make_unique<EmfFile>(std::move(path), width, height, createTextMeasurer(), title);
    }
    return nullptr;
}

std::unique_ptr<TextMeasurer> createTextMeasurer()
{
    return std::make_unique<QtTextMeasurer>();
}

}  // namespace kvx
