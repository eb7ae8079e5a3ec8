// A batch picture of a plot equals the window's picture of the same plot at
// the same size, pixel for pixel.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMainWindow>

#include <memory>
#include <string>

#include "editions/batch_export.h"
#include "model/plot.h"
#include "platform/qt/qt_desktop.h"
#include "settings/default_records.h"
#include "settings/keywords.h"
#include "support/temp_dir.h"

namespace kvx {
namespace {

// Twelve lines, so that a palette of 7 colours and one of 16 differ.
void fill(Plot& plot)
{
    plot.ensureGraphs(12);
    for (int16_t i = 1; i <= 12; ++i) {
        plot.graph(i).append(0, i);
        plot.graph(i).append(10, 2 * i);
    }
    plot.axes().setRange(0, 10, 0, 25, false);
    plot.axes().setTicks(2, 1, 5, 1);
}

QWidget* canvasOf(const Plot& plot)
{
    const QString caption = QString::fromStdString(plot.caption());
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<QMainWindow*>(w); main && main->windowTitle() == caption) {
            return main->centralWidget();
        }
    }
    return nullptr;
}

TEST(BatchPicture, EqualsTheWindowsPicture)
{
    QtDesktop desktop(false);
    Desktop::install(&desktop);
    defaultRecords() = DefaultRecords{};
    plotDefaults().colorPalette = HEAT_SCALE;
    {
        Plot shown("Kurvex");
        fill(shown);
        shown.createWindow();
        QWidget* canvas = canvasOf(shown);
        ASSERT_NE(canvas, nullptr);
        QApplication::processEvents();
        shown.redraw();
        const QImage window = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);

        Plot batch("Kurvex");
        fill(batch);
        test::TempDir dir;
        const std::string path = dir.file("batch.png");
        ASSERT_TRUE(exportPlot(batch, path, window.width(), window.height()).ok);
        const QImage picture = QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(picture.size(), window.size());
        EXPECT_TRUE(picture == window);
    }
    QApplication::processEvents();
    Desktop::install(nullptr);
    defaultRecords() = DefaultRecords{};
}

}  // namespace
}  // namespace kvx
