#pragma once
// A plot window: the data of its plot (PlotModel), shown in a top-level
// window of the session, with the view of its last painting, the pointer
// and its gesture, and one handler per window message.

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "app/base_window.h"
#include "dialogs/dialog_plot.h"
#include "model/plot_model.h"
#include "model/plot_view.h"
#include "model/pointer_state.h"
#include "scaling/device_transform.h"
#include "scaling/layout_transform.h"

namespace kvx {

struct DroppedFiles;

class Plot : public BaseWindow, public PlotModel, public DialogWindow {
public:
    // A new plot: listed in the session, settings from the plot defaults,
    // window size from them, range -1000 to 1000 on both axes.
    explicit Plot(std::string_view title);
    // A clone: the source's settings, size, lables, title, axes and copies
    // of all its graphs, listed under a new number.
    explicit Plot(const Plot& source);
    ~Plot() override;

    intptr_t handleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;

    // The window's life. createWindow makes and shows the platform window
    // (nothing when it exists); the program ends at once when none can be
    // made.
    void createWindow();
    // "New" and "Clone": a new window one cascade step beyond this one.
    Plot& newPlot();
    Plot& clonePlot();
    // Closes every other window of the session.
    void closeOthers();
    // "Exit Session", asking first when more than one window is open.
    void exitSession();
    // Destroys the platform window without a question: now, or after the
    // current message once the plot is no longer busy.
    void destroyWindow();
    // Runs `task` after the current message, unless the plot's window is
    // gone by then (closed, the session ended, the object deleted).
    void postTask(std::function<void(Plot&)> task);

    // The window's view: what its last painting worked out. Pictures,
    // pages and the clipboard are painted with views of their own.
    PlotView& view() { return view_; }
    const PlotView& view() const { return view_; }
    // The window's pointer and the gesture under way in it.
    PointerState& pointer() { return pointer_; }

    // What the dialogs ask of the window.
    const PlotView& lastView() const override { return view_; }
    DialogPlot openNewPlot() override { return newPlot(); }
    void appendAndDrawPoint(double x, double y, int16_t index) override;

protected:
    void busyEnded() override;

private:
    // One handler per window message (window/plot_messages.cpp).
    void onDestroy();
    void onMoveOrSize(bool moved);
    void onPaint();
    void onKeyDown(uintptr_t key);
    void onWheel(uintptr_t wParam, intptr_t lParam);
    void onFilesDropped(const DroppedFiles* drop);
    void deferPaint(NativeWindow& window);

    PlotView view_;
    PointerState pointer_;
    bool closePending_ = false;  // a close arrived while the plot was busy
    friend class CoalescedRepaint;
    int coalescing_ = 0;
    bool paintPending_ = false;  // a coalesced picture is still to be painted
    // Posted tasks hold it weakly: a task of a plot that is gone never runs.
    // A copy gets a token of its own.
    std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
};

// Lays out the window's view at its client size (layoutTransform), the
// legend outside right taking `legendRightReserve` pixels.
void layoutTransform(Plot& plot, int16_t legendRightReserve = 0);

// The transform of the plot's window as last laid out.
inline DoublePoint worldToDevice(const Plot& plot, double x, double y)
{
    return DeviceTransform::of(plot.view()).worldToDevice(x, y);
}
inline DoublePoint deviceToWorld(const Plot& plot, double X, double Y)
{
    return DeviceTransform::of(plot.view()).deviceToWorld(X, Y);
}

}  // namespace kvx
