// A batch picture of a plot equals the window's picture of the same plot at
// the same size, pixel for pixel.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMainWindow>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "editions/batch_export.h"
#include "window/plot.h"
#include "platform/qt/qt_desktop.h"
#include "model/app_context.h"
#include "settings/keywords.h"
#include "support/temp_dir.h"
#include "window/file_commands.h"
#include "window/file_dialogs.h"

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
    plot.axes().setTicks({{2, 5}, {1, 1}});
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

// The picture that batch mode exports of `batch` is, pixel for pixel, what
// the window of `shown` shows at the same size.
void expectBatchPictureIsTheWindows(Plot& shown, Plot& batch)
{
    QWidget* canvas = canvasOf(shown);
    ASSERT_NE(canvas, nullptr);
    QApplication::processEvents();
    shown.redraw();
    const QImage window = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
    test::TempDir dir;
    const std::string path = dir.file("batch.png");
    ASSERT_TRUE(exportPlot(batch, path, FigureSize{window.width(), window.height()}).ok);
    const QImage picture = QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(picture.size(), window.size());
    EXPECT_TRUE(picture == window);
}

TEST(BatchPicture, EqualsTheWindowsPicture)
{
    QtDesktop desktop(false);
    AppContext context(desktop);
    plotDefaults().colorPalette = HEAT_SCALE;
    {
        Plot shown("Kurvex");
        fill(shown);
        shown.createWindow();
        Plot batch("Kurvex");
        fill(batch);
        expectBatchPictureIsTheWindows(shown, batch);
    }
    QApplication::processEvents();
}

// A plot file's own number of colours holds in the window and in batch
// mode alike: both take the window's colours before the file is read.
TEST(BatchPicture, APlotFilesColoursAreTheWindowsColours)
{
    QtDesktop desktop(false);
    AppContext context(desktop);
    {
        test::TempDir dir;
        const std::string plt = dir.file("gray.plt");
        {
            Plot source("Gray");
            fill(source);
            source.setColorPalette(GRAY_SCALE, 7);
            std::string failed;
            std::string reason;
            ASSERT_TRUE(writeByPath(source, plt, FILE_PLOT, failed, reason)) << reason;
        }
        Plot shown("Kurvex");
        shown.createWindow();
        ASSERT_TRUE(openByPath(shown, plt, FILE_OPEN));
        Plot batch("Kurvex");
        ASSERT_TRUE(openByPath(batch, plt, FILE_OPEN));
        EXPECT_EQ(batch.numColors(), 7);
        expectBatchPictureIsTheWindows(shown, batch);
    }
    QApplication::processEvents();
}

// The description in a metafile's header says "Kvx - " once, before the
// window's title.
TEST(BatchPicture, MetafileDescribesThePlotOnce)
{
    QtDesktop desktop(true);
    AppContext context(desktop);
    {
        Plot plot("Tides");
        fill(plot);
        test::TempDir dir;
        const std::string path = dir.file("tides.emf");
        ASSERT_TRUE(exportPlot(plot, path, FigureSize{320, 200}).ok);
        const std::string bytes = test::readFile(path);
        ASSERT_GT(bytes.size(), 108u);
        const auto u32At = [&bytes](std::size_t at) {
            uint32_t v = 0;
            std::memcpy(&v, bytes.data() + at, 4);
            return v;
        };
        const uint32_t units = u32At(60);
        const uint32_t offset = u32At(64);
        ASSERT_LE(offset + 2u * units, bytes.size());
        std::u16string description(units, u'\0');
        std::memcpy(description.data(), bytes.data() + offset, 2u * units);
        const std::string expected = "Kvx - " + plot.windowTitle();
        EXPECT_EQ(description, std::u16string(expected.begin(), expected.end()) + u'\0' + u'\0');
    }
}

}  // namespace
}  // namespace kvx
