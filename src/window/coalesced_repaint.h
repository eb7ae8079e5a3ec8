#pragma once
// Input that comes in bursts (wheel steps, keys, the end of a drag) paints
// its window once for the whole burst. While a guard is held, a repaint
// only lays the window's view out, so that the next step works on the new
// scale, and the picture is painted after the messages already waiting:
// ten quick wheel steps end where ten painted steps end, for the price of
// one picture.

namespace kvx {

class Plot;

class CoalescedRepaint {
public:
    explicit CoalescedRepaint(Plot& plot);
    ~CoalescedRepaint();
    CoalescedRepaint(const CoalescedRepaint&) = delete;
    CoalescedRepaint& operator=(const CoalescedRepaint&) = delete;

    // Whether repaints of `plot` wait for the end of the burst.
    static bool active(const Plot& plot);

private:
    Plot& plot_;
};

}  // namespace kvx
