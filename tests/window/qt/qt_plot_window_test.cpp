// A plot window on the real toolkit (offscreen platform), driven with
// synthesized mouse, wheel and key events.

#include <gtest/gtest.h>

#include <QApplication>
#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <memory>

#include "app/session_list.h"
#include "window/plot.h"
#include "platform/qt/qt_desktop.h"
#include "model/app_context.h"
#include "settings/keywords.h"
#include "window/command_dispatcher.h"
#include "app/commands.h"
#include "scaling/cursor_readout.h"
#include "window/plot_window_parts.h"
#include "window/session_commands.h"

namespace kvx {
namespace {

class QtPlotWindowTest : public testing::Test {
protected:
    QtPlotWindowTest()
    {
        plot_ = std::make_unique<Plot>("Kurvex");
        plot_->createWindow();
        plot_->axes().setRange(0, 10, 0, 10, false);
        plot_->axes().setTicks({{2, 1}, {2, 1}});
        window_ = findWindow();
        canvas_ = window_ ? window_->centralWidget() : nullptr;
        QApplication::processEvents();
        plot_->redraw();
        QApplication::processEvents();
    }
    ~QtPlotWindowTest() override
    {
        plot_.reset();
        QApplication::processEvents();
    }

    QMainWindow* findWindow() const
    {
        const QString caption = QString::fromStdString(plot_->caption());
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* main = qobject_cast<QMainWindow*>(w); main && main->windowTitle() == caption) {
                return main;
            }
        }
        return nullptr;
    }
    // The client pixel of a world point in the last layout.
    QPoint pixelOf(double x, double y) const
    {
        const auto& s = plot_->view();
        return QPoint(static_cast<int>(x * s.x.scale + s.x.offset), static_cast<int>(s.y.offset - y * s.y.scale));
    }
    QString status(int part) const
    {
        const auto labels = window_->statusBar()->findChildren<QLabel*>();
        return part < labels.size() ? labels[part]->text() : QString();
    }
    QImage picture() const { return canvas_->grab().toImage(); }
    // The item reached from the menu bar through the menus named in `path`.
    QAction* menuItem(const QStringList& path) const
    {
        QList<QAction*> actions = window_->menuBar()->actions();
        QAction* found = nullptr;
        for (const QString& text : path) {
            found = nullptr;
            for (QAction* action : actions) {
                if (action->text() == text) {
                    found = action;
                    break;
                }
            }
            if (!found) {
                return nullptr;
            }
            actions = found->menu() ? found->menu()->actions() : QList<QAction*>();
        }
        return found;
    }

    QtDesktop desktop_{false};
    AppContext context_{desktop_};
    std::unique_ptr<Plot> plot_;
    QMainWindow* window_ = nullptr;
    QWidget* canvas_ = nullptr;
};

TEST_F(QtPlotWindowTest, OpensCaptionedWithMenuAndStatusLine)
{
    ASSERT_NE(window_, nullptr);
    EXPECT_EQ(window_->windowTitle().toStdString(), "#" + std::to_string(plot_->plotNumber()) + ": Kurvex");
    EXPECT_EQ(window_->geometry().topLeft(), QPoint(80, 80));
    EXPECT_EQ(window_->size(), QSize(640, 520));
    EXPECT_EQ(window_->menuBar()->actions().size(), 5);
    EXPECT_EQ(plot_->clientWidth(), canvas_->width());
    EXPECT_EQ(plot_->clientHeight(), canvas_->height());
}

TEST_F(QtPlotWindowTest, DraggingABandZooms)
{
    ASSERT_NE(canvas_, nullptr);
    const QPoint a = pixelOf(2, 8);
    const QPoint b = pixelOf(6, 4);
    QTest::mousePress(canvas_, Qt::LeftButton, {}, a);
    QTest::mouseMove(canvas_, b);
    QTest::mouseRelease(canvas_, Qt::LeftButton, {}, b);
    const RangeSet r = plot_->axes().currentRange();
    EXPECT_NEAR(r.x.min, 2, 0.05);
    EXPECT_NEAR(r.x.max, 6, 0.05);
    EXPECT_NEAR(r.y.min, 4, 0.05);
    EXPECT_NEAR(r.y.max, 8, 0.05);
    EXPECT_EQ(plot_->axes().x().last().max, 10);
}

TEST_F(QtPlotWindowTest, AWheelStepOrRepaintDuringAGestureLeavesNoStrayPixels)
{
    ASSERT_NE(canvas_, nullptr);
    // A band, then a wheel step in the middle of the drag: the band ends
    // there, the release zooms nothing, and the picture is the clean one of
    // the new range.
    const QPoint a = pixelOf(2, 8);
    QTest::mousePress(canvas_, Qt::LeftButton, {}, a);
    QTest::mouseMove(canvas_, pixelOf(6, 4));
    const QPoint global = canvas_->mapToGlobal(pixelOf(5, 5));
    QWheelEvent step(QPointF(pixelOf(5, 5)), global, QPoint(), QPoint(0, -120), Qt::LeftButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas_, &step);
    const RangeSet wheeled = plot_->axes().currentRange();
    QTest::mouseMove(canvas_, pixelOf(7, 1));
    QTest::mouseRelease(canvas_, Qt::LeftButton, {}, pixelOf(7, 1));
    EXPECT_EQ(plot_->axes().currentRange(), wheeled);
    QApplication::processEvents();  // the wheel step's picture
    const QImage afterBand = picture();
    plot_->redraw();
    EXPECT_EQ(picture(), afterBand);

    // A measurement cut short by a repaint leaves nothing behind either.
    QTest::mousePress(canvas_, Qt::LeftButton, Qt::ControlModifier, a);
    QTest::mouseRelease(canvas_, Qt::LeftButton, Qt::ControlModifier, a);
    QTest::mouseMove(canvas_, pixelOf(2, 2));
    plot_->redraw();
    EXPECT_FALSE(plot_->settings().measureMode);
    QTest::mouseMove(canvas_, pixelOf(3, 3));
    const QImage afterMeasure = picture();
    plot_->redraw();
    EXPECT_EQ(picture(), afterMeasure);
}

TEST_F(QtPlotWindowTest, BandAndMeasuringLineLeaveThePictureAsItWas)
{
    ASSERT_NE(canvas_, nullptr);
    const QImage before = picture();
    const QPoint a = pixelOf(2, 8);
    QTest::mousePress(canvas_, Qt::LeftButton, {}, a);
    QTest::mouseMove(canvas_, pixelOf(6, 4));
    QTest::mouseMove(canvas_, pixelOf(7, 1));
    EXPECT_NE(picture(), before);
    QTest::mouseRelease(canvas_, Qt::LeftButton, {}, a);  // back at the anchor: no zoom
    EXPECT_EQ(picture(), before);
    EXPECT_EQ(plot_->axes().x().current().max, 10);

    QTest::mousePress(canvas_, Qt::LeftButton, Qt::ControlModifier, a);
    QTest::mouseRelease(canvas_, Qt::LeftButton, Qt::ControlModifier, a);
    QTest::mouseMove(canvas_, pixelOf(2, 2));  // straight down
    EXPECT_EQ(status(4), " m:  -Infinity");
    EXPECT_NE(picture(), before);
    QTest::mousePress(canvas_, Qt::LeftButton, {}, pixelOf(2, 2));
    EXPECT_EQ(picture(), before);
    EXPECT_FALSE(plot_->settings().measureMode);
}

TEST_F(QtPlotWindowTest, MeasuringShowsSlope)
{
    ASSERT_NE(canvas_, nullptr);
    QTest::mousePress(canvas_, Qt::LeftButton, Qt::ControlModifier, pixelOf(2, 2));
    QTest::mouseMove(canvas_, pixelOf(6, 6));
    EXPECT_TRUE(status(2).startsWith("d X:  4")) << status(2).toStdString();
    EXPECT_TRUE(status(4).startsWith(" m:  1")) << status(4).toStdString();
    QTest::mousePress(canvas_, Qt::LeftButton, {}, pixelOf(6, 6));
}

TEST_F(QtPlotWindowTest, PointerReadoutAndKeys)
{
    ASSERT_NE(canvas_, nullptr);
    QTest::mouseMove(canvas_, pixelOf(5, 5));
    EXPECT_TRUE(status(0).startsWith(" X:  5")) << status(0).toStdString();
    EXPECT_TRUE(status(1).startsWith(" Y:  5")) << status(1).toStdString();
    QTest::keyClick(canvas_, Qt::Key_Right);
    EXPECT_EQ(plot_->axes().x().current().min, 2);
    QTest::keyClick(canvas_, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(plot_->axes().x().current().min, 3);
    QTest::keyClick(canvas_, Qt::Key_PageDown);
    EXPECT_DOUBLE_EQ(plot_->axes().x().current().max - plot_->axes().x().current().min, 15);
    QTest::keyClick(canvas_, Qt::Key_End);  // "Last" keeps only ticks here; bounds of the last setRange
    QTest::keyClick(canvas_, Qt::Key_Home);
    EXPECT_EQ(plot_->axes().x().current().min, -1000);
}

TEST_F(QtPlotWindowTest, StatusPartsSitSideBySideAndShrinkInANarrowWindow)
{
    ASSERT_NE(canvas_, nullptr);
    // Measuring, as a control-click starts it (which needs the keyboard's
    // state, out of reach of synthesized events on a real X server).
    plot_->settings().measureMode = 1;
    layoutStatusLine(*plot_);
    QStatusBar* bar = window_->statusBar();
    auto parts = [bar] {
        std::vector<QRect> out;
        for (QLabel* label : bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            out.push_back(label->geometry());
        }
        return out;
    };
    // Wide enough for all parts: as they are laid out.
    window_->resize(2000, window_->height());
    QApplication::processEvents();
    plot_->settings().measureMode = 1;
    layoutStatusLine(*plot_);
    const std::vector<QRect> measuring = parts();
    ASSERT_EQ(measuring.size(), 5u);
    EXPECT_EQ(measuring[0].left(), canvas_->x());
    for (size_t i = 1; i < measuring.size(); ++i) {
        EXPECT_EQ(measuring[i].left(), measuring[i - 1].right() + 1) << "part " << i;
    }
    const int w1 = measuring[0].width();
    const int w2 = measuring[2].width();
    EXPECT_GT(w1, w2);
    EXPECT_GT(w2, 0);
    EXPECT_EQ(measuring[1].width(), w1);
    EXPECT_EQ(measuring[3].width(), w2);
    EXPECT_EQ(measuring[4].width(), w2);

    // A window too narrow for the parts is not held wider; the parts shrink
    // side by side to fit it.
    window_->resize(2 * w1, window_->height());
    QApplication::processEvents();
    EXPECT_EQ(window_->width(), 2 * w1);
    EXPECT_FALSE(plot_->settings().measureMode);  // the resize's repaint ended it
    plot_->settings().measureMode = 1;
    layoutStatusLine(*plot_);
    const std::vector<QRect> narrow = parts();
    ASSERT_EQ(narrow.size(), 5u);
    EXPECT_LT(narrow[0].width(), w1);
    EXPECT_LE(narrow.back().right(), bar->width());
    for (size_t i = 1; i < narrow.size(); ++i) {
        EXPECT_EQ(narrow[i].left(), narrow[i - 1].right() + 1) << "part " << i;
    }

    plot_->settings().measureMode = 0;
    layoutStatusLine(*plot_);
    EXPECT_EQ(parts().size(), 2u);
}

TEST_F(QtPlotWindowTest, StatusPartsShowEveryValueOfAMeasurementAt640Pixels)
{
    ASSERT_NE(canvas_, nullptr);
    window_->resize(640, window_->height());
    QApplication::processEvents();
    ASSERT_EQ(window_->statusBar()->width(), 640);
    // The most parts there are: equal axes (r and phi) and a logarithmic y
    // axis (y2/y1); values with all the digits "%g" gives.
    plot_->setAspectRatio(AXES_EQUAL);
    plot_->axes().y().setKindAndBounds(AxisKind::Logarithmic, 1e-7, 1e-3, false);
    plot_->axes().x().setBounds(-0.00123456, 0.00987654, false);
    plot_->redraw();
    QApplication::processEvents();
    plot_->settings().measureMode = 1;
    layoutStatusLine(*plot_);
    showCursorPosition(*plot_, 301, 203);
    showDistance(*plot_, 101, 303, 307, 109);
    QStatusBar* bar = window_->statusBar();
    const auto labels = bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(labels.size(), 7);
    const QStringList names{" X:", " Y:", "d X:", "d Y:", " r:", " phi:", " y2/y1:"};
    auto* grip = bar->findChild<QSizeGrip*>();
    const int room = bar->width() - (grip && grip->isVisible() ? grip->width() : 0);
    for (int i = 0; i < labels.size(); ++i) {
        const QLabel* part = labels[i];
        const std::string text = part->text().toStdString();
        EXPECT_TRUE(part->text().startsWith(names[i])) << text;
        // What a part shows lies inside it, the part inside the window; the
        // measurement is shown whole, the coordinates give way to it with
        // an ellipsis where they must.
        EXPECT_GE(part->width(), part->sizeHint().width()) << text;
        EXPECT_LE(part->geometry().right() + 1, room) << text;
        if (i >= 2) {
            EXPECT_FALSE(part->text().contains(QChar(0x2026))) << text;
        }
    }
    const std::vector<std::string> measured =
        distanceTexts(*plot_, plot_->view(), DevicePoint{101, 303}, DevicePoint{307, 109});
    ASSERT_EQ(measured.size(), 5u);
    for (std::size_t i = 0; i < measured.size(); ++i) {
        EXPECT_EQ(labels[static_cast<int>(i) + 2]->text().toStdString(), measured[i]);
    }
}

TEST_F(QtPlotWindowTest, WheelZoomsInAndOut)
{
    ASSERT_NE(canvas_, nullptr);
    const QPoint local = pixelOf(5, 5);
    const QPointF global = canvas_->mapToGlobal(QPointF(local));
    QWheelEvent in(QPointF(local), global, QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas_, &in);
    EXPECT_NEAR(plot_->axes().x().current().max - plot_->axes().x().current().min, 10 / 1.5, 1e-9);
    QWheelEvent out(QPointF(local), global, QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas_, &out);
    EXPECT_NEAR(plot_->axes().x().current().max - plot_->axes().x().current().min, 10, 1e-9);
}

TEST_F(QtPlotWindowTest, AClickOnDiverseKeepsItsCheckMarkAndDoesNothing)
{
    ASSERT_NE(window_, nullptr);
    plot_->ensureGraphs(2);
    plot_->setLineWidth(2, 1);
    plot_->setLineWidth(3, 2);
    plot_->redraw();
    QAction* widths = menuItem({"Graphs", "Line Width", "Diverse"});
    QAction* sizes = menuItem({"Graphs", "Marker Size", "Diverse"});
    ASSERT_TRUE(widths && sizes);
    ASSERT_TRUE(widths->isChecked());
    ASSERT_FALSE(sizes->isChecked());
    widths->trigger();
    sizes->trigger();
    EXPECT_TRUE(widths->isChecked());
    EXPECT_FALSE(sizes->isChecked());
    EXPECT_EQ(plot_->graph(1).lineWidth(), 2);
    EXPECT_EQ(plot_->graph(2).lineWidth(), 3);
    // Drawn as an ordinary item, not greyed.
    EXPECT_TRUE(widths->isEnabled());
}

// What a modal box shows: its caption, the sizes of its pictures and its texts.
struct SeenDialog {
    QString caption;
    QWidget* owner = nullptr;
    std::vector<QSize> pictures;
    QStringList texts;
};

// Waits for the next modal box, notes what it shows and presses its OK button.
void answerNextDialog(SeenDialog& seen)
{
    QTimer::singleShot(0, [&seen] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) {
            answerNextDialog(seen);
            return;
        }
        seen.caption = box->windowTitle();
        seen.owner = box->parentWidget();
        for (QLabel* label : box->findChildren<QLabel*>()) {
            if (!label->pixmap().isNull()) {
                seen.pictures.push_back(label->pixmap().deviceIndependentSize().toSize());
            } else if (!label->text().isEmpty()) {
                seen.texts << label->text();
            }
        }
        for (QAbstractButton* button : box->findChildren<QAbstractButton*>()) {
            if (button->text().remove('&') == "OK") {
                button->click();
                return;
            }
        }
        box->close();
    });
}

TEST_F(QtPlotWindowTest, AboutShowsTheIconTheBitmapAndTheText)
{
    ASSERT_NE(window_, nullptr);
    SeenDialog seen;
    answerNextDialog(seen);
    sendCommand(*plot_, CMD_ABOUT);
    EXPECT_EQ(seen.caption, "About Kurvex");
    EXPECT_EQ(seen.owner, window_);
    EXPECT_EQ(seen.pictures, (std::vector<QSize>{QSize(48, 48), QSize(160, 100)}));
    EXPECT_EQ(seen.texts, QStringList{"2D data plotting environment, version 1.0"});
}

TEST_F(QtPlotWindowTest, ShowKeepsAMaximizedOrHiddenMaximizedWindowMaximized)
{
    ASSERT_NE(window_, nullptr);
    maximizeAll();
    QApplication::processEvents();
    plot_->show();
    QApplication::processEvents();
    EXPECT_TRUE(window_->isMaximized());
    plot_->hide();
    plot_->show();
    QApplication::processEvents();
    EXPECT_TRUE(window_->isVisible());
    EXPECT_TRUE(window_->isMaximized());
    showAll();
    QApplication::processEvents();
    EXPECT_FALSE(window_->isMaximized());
}

TEST_F(QtPlotWindowTest, CopyingAFigureFillsTheClipboardAndLeavesTheWindowsPicture)
{
    ASSERT_NE(canvas_, nullptr);
    plot_->setColorScheme(DARK);
    plot_->redraw();
    QApplication::processEvents();
    const QImage before = picture();
    sendCommand(*plot_, CMD_COPY_BLACK_WHITE);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat(QStringLiteral("image/svg+xml")));
    EXPECT_TRUE(data->hasFormat(QStringLiteral("image/x-emf")));
    const QImage copied = QImage::fromData(data->data(QStringLiteral("image/png")), "PNG");
    EXPECT_EQ(copied.size(), canvas_->size());
    EXPECT_EQ(copied.pixelColor(0, 0), QColor(Qt::white));  // black and white on paper
    QApplication::processEvents();
    EXPECT_EQ(picture(), before);
}

TEST_F(QtPlotWindowTest, ClosingTheLastWindowEndsTheMessageLoop)
{
    ASSERT_NE(window_, nullptr);
    ASSERT_EQ(sessionList().count(), 1);
    QTimer::singleShot(0, window_, [this] { window_->close(); });
    EXPECT_EQ(desktop_.runMessageLoop(), 0);
    EXPECT_EQ(sessionList().count(), 0);
}

TEST_F(QtPlotWindowTest, ClosingTheWindowUnlistsIt)
{
    ASSERT_NE(window_, nullptr);
    const int16_t number = plot_->plotNumber();
    window_->close();
    QApplication::processEvents();
    EXPECT_FALSE(plot_->created());
    EXPECT_EQ(sessionList().windowOf(number), nullptr);
}

}  // namespace
}  // namespace kvx
