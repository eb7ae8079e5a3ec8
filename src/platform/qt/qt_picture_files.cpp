#include "platform/qt/qt_picture_files.h"

#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_image_surface.h"
#include "platform/qt/qt_text_measurer.h"
#include "platform/qt/qt_vector_surface.h"
#include "platform/vector/svg_file.h"

namespace kvx {

namespace {

constexpr int pdfResolution = 96;
constexpr double pointsPerPixel = 72.0 / pdfResolution;
constexpr double pixelsPerMm = pdfResolution / 25.4;

QString toQPath(const std::string& path)
{
    return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
}

class PngFile final : public PictureFile {
public:
    PngFile(std::string path, int width, int height) : path_(std::move(path)), surface_(width, height) {}

    Surface& surface() override { return surface_; }

    bool finish() override
    {
        if (!finished_) {
            finished_ = true;
            written_ = surface_.image().save(toQPath(path_), "PNG");
        }
        return written_;
    }

private:
    std::string path_;
    QtImageSurface surface_;
    bool finished_ = false;
    bool written_ = false;
};

class PdfFile final : public PictureFile {
public:
    PdfFile(const std::string& path, int width, int height, std::string_view title)
        : path_(toQPath(path)), writer_(path_)
    {
        width = std::max(1, width);
        height = std::max(1, height);
        writer_.setResolution(pdfResolution);
        writer_.setPageSize(QPageSize(QSizeF(width * pointsPerPixel, height * pointsPerPixel),
                                      QPageSize::Point, QString(), QPageSize::ExactMatch));
        writer_.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer_.setCreator(QStringLiteral("Kurvex"));
        writer_.setTitle(toQString(title));
        // A file that cannot be opened still gets a surface to draw on, a
        // small image nobody sees, and finish() reports the failure.
        if (!painter_.begin(&writer_)) {
            spare_ = QImage(1, 1, QImage::Format_RGB32);
            painter_.begin(&spare_);
            failed_ = true;
        }
        surface_ = std::make_unique<QtVectorSurface>(
            painter_, DeviceSize{width, height, width / pixelsPerMm, height / pixelsPerMm});
    }

    // The writer writes whatever it has when its painter ends; a picture
    // that was never finished leaves no file behind.
    ~PdfFile() override
    {
        if (!finished_) {
            painter_.end();
            if (!failed_) {
                QFile::remove(path_);
            }
        }
    }

    Surface& surface() override { return *surface_; }

    bool finish() override
    {
        if (!finished_) {
            finished_ = true;
            surface_->finish();
            const bool ended = painter_.end();
            written_ = ended && !failed_;
        }
        return written_;
    }

private:
    QString path_;
    QPdfWriter writer_;
    QImage spare_;
    QPainter painter_;
    std::unique_ptr<QtVectorSurface> surface_;
    bool failed_ = false;
    bool finished_ = false;
    bool written_ = false;
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
    }
    return nullptr;
}

std::unique_ptr<TextMeasurer> createTextMeasurer()
{
    return std::make_unique<QtTextMeasurer>();
}

}  // namespace kvx
