#include "platform/qt/qt_print_job.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_vector_surface.h"
#include "platform/qt/replacing_file_device.h"
#include "filesystem/replacing_file.h"

namespace kvx {

namespace {

// The pages of a paged Qt device, drawn in its own pixels. The painter's
// begin starts the document with its first page.
class PagedPrintJob : public PrintJob {
public:
    DeviceSize pageSize() override
    {
        const QPageLayout layout = device().pageLayout();
        const QRect pixels = layout.paintRectPixels(device().logicalDpiX());
        const QRectF mm = layout.paintRect(QPageLayout::Millimeter);
        return {pixels.width(), pixels.height(), mm.width(), mm.height()};
    }

    bool startPage() override
    {
        surface_.reset();
        if (!painter_.isActive()) {
            if (begun_ || !painter_.begin(&device())) {
                return refuse("the printer did not start the document");
            }
            begun_ = true;
        } else if (!device().newPage()) {
            return refuse("the printer did not start a page");
        }
        surface_ = std::make_unique<QtVectorSurface>(painter_, pageSize());
        return true;
    }

    Surface& page() override { return *surface_; }

    bool endPage() override
    {
        if (!surface_) {
            return refuse("no page was started");
        }
        surface_->finish();
        surface_.reset();
        return painter_.isActive() || refuse("the printer dropped the page");
    }

    bool finish() override
    {
        surface_.reset();
        if (!painter_.isActive()) {
            return refuse("the document was not started");
        }
        const bool ended = painter_.end();
        return deliver(ended);
    }

    void abort() override
    {
        surface_.reset();
        discard();
        if (painter_.isActive()) {
            painter_.end();
        }
    }

    std::string error() const override { return error_; }

protected:
    virtual QPagedPaintDevice& device() = 0;
    // The document is complete: hand it on; false, with the reason, when
    // that failed.
    virtual bool deliver(bool ended) = 0;
    // Nothing of the document may come out.
    virtual void discard() = 0;

    bool refuse(std::string reason)
    {
        if (error_.empty()) {
            error_ = std::move(reason);
        }
        return false;
    }

    // Ends the painter of a document never finished, before the device goes.
    void endUnfinished()
    {
        if (painter_.isActive()) {
            abort();
        }
    }

private:
    QPainter painter_;
    std::unique_ptr<QtVectorSurface> surface_;  // on painter_
    bool begun_ = false;
    std::string error_;
};

class PrinterJob final : public PagedPrintJob {
public:
    PrinterJob(const QPrinterInfo& printer, std::string_view documentName)
        : printer_(printer, QPrinter::HighResolution)
    {
        printer_.setDocName(toQString(documentName));
        printer_.setCreator(QStringLiteral("Kurvex"));
    }
    ~PrinterJob() override { endUnfinished(); }

private:
    QPagedPaintDevice& device() override { return printer_; }
    bool deliver(bool ended) override
    {
        return (ended && printer_.printerState() != QPrinter::Error) || refuse("the printer failed");
    }
    void discard() override { printer_.abort(); }

    QPrinter printer_;
};

class PdfPrintJob final : public PagedPrintJob {
public:
    PdfPrintJob(const std::string& path, std::string_view documentName)
        : file_(path), device_(file_), writer_(&device_)
    {
        writer_.setResolution(600);
        writer_.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                          QPageLayout::Millimeter));
        writer_.setTitle(toQString(documentName));
        writer_.setCreator(QStringLiteral("Kurvex"));
    }
    ~PdfPrintJob() override { endUnfinished(); }

private:
    QPagedPaintDevice& device() override { return writer_; }
    bool deliver(bool ended) override
    {
        // The PDF engine ignores failed writes; the file has kept them.
        if (!ended || file_.failed()) {
            refuse(file_.failed() ? file_.error() : "the PDF writer failed");
            file_.discard();
            return false;
        }
        return file_.commit() || refuse(file_.error());
    }
    void discard() override { file_.discard(); }

    ReplacingFile file_;
    ReplacingFileDevice device_;
    QPdfWriter writer_;
};

}  // namespace

std::unique_ptr<PrintJob> createDefaultPrinterJob(std::string_view documentName)
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        return nullptr;
    }
    return std::make_unique<PrinterJob>(printer, documentName);
}

std::unique_ptr<PrintJob> createPdfPrintJob(const std::string& path, std::string_view documentName)
{
    return std::make_unique<PdfPrintJob>(path, documentName);
}

}  // namespace kvx
