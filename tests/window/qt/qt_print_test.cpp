// Printing a plot window on the real toolkit: the cancel box in front of the
// disabled window, and the page going into a PDF file in place of the
// default printer.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <memory>
#include <string>

#include "window/plot.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_print_job.h"
#include "render/output_dress.h"
#include "model/app_context.h"
#include "support/temp_dir.h"
#include "window/print_commands.h"

namespace kvx {
namespace {

// The desktop with a PDF file as its default printer.
class PdfPrinterDesktop final : public QtDesktop {
public:
    explicit PdfPrinterDesktop(std::string path) : QtDesktop(false), path_(std::move(path)) {}
    std::unique_ptr<PrintJob> startPrintJob(std::string_view documentName) override
    {
        return createPdfPrintJob(path_, documentName);
    }

private:
    std::string path_;
};

struct BoxSeen {
    bool found = false;
    std::string caption;
    std::string text;
    std::string button;
    bool ownerEnabled = true;
};

class QtPrintTest : public testing::Test {
protected:
    QtPrintTest()
    {
        plot_ = std::make_unique<Plot>("Velocity");
        plot_->ensureGraphs(1);
        plot_->append(0, 0, 1);
        plot_->append(10, 10, 1);
        plot_->createWindow();
        plot_->axes().setRange(0, 10, 0, 10, false);
        plot_->axes().setTicks({{2, 1}, {2, 1}});
        QApplication::processEvents();
        plot_->redraw();
        QApplication::processEvents();
        const QString caption = QString::fromStdString(plot_->caption());
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* main = qobject_cast<QMainWindow*>(w); main && main->windowTitle() == caption) {
                window_ = main;
            }
        }
    }
    ~QtPrintTest() override
    {
        plot_.reset();
        QApplication::processEvents();
    }

    QImage picture() const { return window_->centralWidget()->grab().toImage(); }

    // Looks at the box once the print dispatches messages, and presses
    // its button when asked to.
    void watchBox(BoxSeen& seen, bool cancel)
    {
        QTimer::singleShot(0, [this, &seen, cancel] {
            auto* box = window_->findChild<QDialog*>(QStringLiteral("PrintDlgBox"));
            if (!box) {
                return;
            }
            seen.found = box->isVisible();
            seen.caption = box->windowTitle().toStdString();
            if (auto* label = box->findChild<QLabel*>()) {
                seen.text = label->text().toStdString();
            }
            auto* button = box->findChild<QAbstractButton*>();
            if (button) {
                seen.button = button->text().toStdString();
            }
            seen.ownerEnabled = window_->isEnabled();
            if (cancel && button) {
                button->click();
            }
        });
    }

    test::TempDir dir_;
    std::string pdf_ = dir_.file("page.pdf");
    PdfPrinterDesktop desktop_{pdf_};
    AppContext context_{desktop_};
    std::unique_ptr<Plot> plot_;
    QMainWindow* window_ = nullptr;
};

TEST_F(QtPrintTest, APrintedPlotIsOnePageAndTheWindowKeepsItsPicture)
{
    ASSERT_NE(window_, nullptr);
    const QImage before = picture();
    const PlotView view = plot_->view();
    BoxSeen seen;
    watchBox(seen, false);

    EXPECT_FALSE(printPlot(*plot_, OUTPUT_BLACK_WHITE, 1.0));
    QApplication::processEvents();

    EXPECT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, "Velocity");
    EXPECT_EQ(seen.text, "Cancel Printing");
    EXPECT_EQ(seen.button, "Cancel");
    EXPECT_FALSE(seen.ownerEnabled);
    EXPECT_TRUE(window_->isEnabled());
    EXPECT_EQ(window_->findChild<QDialog*>(QStringLiteral("PrintDlgBox")), nullptr);

    const std::string pdf = test::readFile(pdf_);
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos);
    EXPECT_EQ(picture(), before);
    EXPECT_EQ(plot_->view().plotRect, view.plotRect);
    EXPECT_EQ(plot_->view().x.scale, view.x.scale);
}

TEST_F(QtPrintTest, CancelWritesNothingAndEnablesTheWindow)
{
    ASSERT_NE(window_, nullptr);
    BoxSeen seen;
    watchBox(seen, true);
    EXPECT_TRUE(printPlot(*plot_, OUTPUT_COLORED, 1.0));
    QApplication::processEvents();
    EXPECT_TRUE(seen.found);
    EXPECT_FALSE(test::fileExists(pdf_));
    EXPECT_TRUE(window_->isEnabled());
    EXPECT_EQ(window_->findChild<QDialog*>(QStringLiteral("PrintDlgBox")), nullptr);
}

}  // namespace
}  // namespace kvx
