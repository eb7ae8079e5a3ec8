// One wheel zoom step in a plot window showing a graph of 1,000,000 points:
// the range changes and the window's image is painted anew.
//
// Ten quick wheel steps, and ten arrow keys, on a window of 4,000,000 points
// (two graphs of 2,000,000, as a file of x and two columns gives): the
// events wait in the toolkit's queue together, as they do when the hand is
// faster than the painting, and the time is taken until the window has
// handled everything and painted its last picture.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QWheelEvent>

#include <cmath>
#include <cstdlib>
#include <memory>

#include "window/plot.h"
#include "platform/desktop.h"
#include "model/app_context.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/qt_desktop.h"
#include "platform/window_messages.h"
#include "scaling/auto_range.h"

namespace {

// Handles every waiting event, including what they post in turn.
void settleEvents()
{
    while (kvx::Desktop::current().processOneMessage() != 0) {
    }
}

void BM_WheelStepWithAMillionPoints(benchmark::State& state)
{
    kvx::Plot plot("bench");
    plot.addGraph();
    for (int i = 0; i < 1'000'000; ++i) {
        const double x = i * 0.001;
        plot.graph(1).append(x, std::sin(x) * std::exp(-x / 500));
    }
    kvx::autoRangeXY(plot);
    plot.axes().autoTicks(false);
    plot.createWindow();
    plot.redraw();
    const kvx::WindowRect client = plot.nativeWindow()->clientRect();
    const intptr_t centre = kvx::packPoint(client.x + client.width / 2, client.y + client.height / 2);
    int step = 0;
    for (auto _ : state) {
        // In and out in turn, so that the view stays the same on average.
        const int delta = (step++ % 2 == 0) ? 120 : -120;
        plot.handleMessage(kvx::MSG_WHEEL, kvx::packWheelDelta(delta), centre);
        settleEvents();  // the step's picture is painted after the message
    }
    plot.destroyWindow();
}
BENCHMARK(BM_WheelStepWithAMillionPoints)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

constexpr int pointsPerGraph = 2'000'000;
constexpr int burst = 10;

class BurstWindow {
public:
    BurstWindow() : plot_("bench")
    {
        plot_.addGraph();
        plot_.addGraph();
        for (int i = 0; i < pointsPerGraph; ++i) {
            const double x = i * 0.001;
            plot_.graph(1).append(x, std::sin(x) * std::exp(-x / 500));
            plot_.graph(2).append(x, std::cos(x / 3));
        }
        kvx::autoRangeXY(plot_);
        plot_.axes().autoTicks(false);
        plot_.createWindow();
        settleEvents();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* main = qobject_cast<QMainWindow*>(w)) {
                canvas_ = main->centralWidget();
            }
        }
        if (!canvas_) {
            std::abort();
        }
    }
    ~BurstWindow() { plot_.destroyWindow(); }

    void postWheel(int delta) const
    {
        const QPointF at(canvas_->width() / 3.0, canvas_->height() / 3.0);
        QCoreApplication::postEvent(canvas_, new QWheelEvent(at, canvas_->mapToGlobal(at), QPoint(),
                                                             QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                                                             Qt::NoScrollPhase, false));
    }
    void postKey(int key) const
    {
        QCoreApplication::postEvent(canvas_, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    }

private:
    kvx::Plot plot_;
    QWidget* canvas_ = nullptr;
};

void BM_TenWheelStepsSettle(benchmark::State& state)
{
    BurstWindow window;
    int round = 0;
    for (auto _ : state) {
        // In and out in turn, so that the view stays the same on average.
        const int delta = (round++ % 2 == 0) ? 120 : -120;
        for (int i = 0; i < burst; ++i) {
            window.postWheel(delta);
        }
        settleEvents();
    }
}
BENCHMARK(BM_TenWheelStepsSettle)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_TenArrowKeysSettle(benchmark::State& state)
{
    BurstWindow window;
    int round = 0;
    for (auto _ : state) {
        const int key = (round++ % 2 == 0) ? Qt::Key_Left : Qt::Key_Right;
        for (int i = 0; i < burst; ++i) {
            window.postKey(key);
        }
        settleEvents();
    }
}
BENCHMARK(BM_TenArrowKeysSettle)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);


}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int qtArgc = 1;
    kvx::QtApplication application(qtArgc, argv, false);
    kvx::AppContext context(application.desktop());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
