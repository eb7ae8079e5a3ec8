#include "dialogs/range_and_ticks_box.h"

#include <array>
#include <cmath>

#include "app/errors.h"
#include "app/general_format.h"
#include "dialogs/control_ids.h"
#include "dialogs/dialog_fields.h"
#include "dialogs/dialog_plot.h"
#include "dialogs/plot_dialog.h"
#include "dialogs/tick_count_check.h"
#include "files/time_stamp.h"
#include "model/axis_scale.h"
#include "scaling/auto_range.h"
#include "scaling/calendar_ticks.h"
#include "scaling/log_axes.h"
#include "scaling/ticks_for_range.h"
#include "settings/keywords.h"

namespace kvx {

namespace {

constexpr int xMinField = IDC_X_MIN;
constexpr int xMaxField = IDC_X_MAX;
constexpr int yMinField = IDC_Y_MIN;
constexpr int yMaxField = IDC_Y_MAX;
constexpr int xTickField = IDC_X_TICK;
constexpr int xSubTickField = IDC_X_SUBTICK;
constexpr int yTickField = IDC_Y_TICK;
constexpr int ySubTickField = IDC_Y_SUBTICK;
constexpr int autoTicksButton = IDC_AUTO_TICKS;
constexpr int xLogCheck = IDC_LOG_X;
constexpr int yLogCheck = IDC_LOG_Y;

struct Field {
    int id;
    AxisRange RangeSet::*axis;
    double AxisRange::*value;
};

bool isTimeBound(const Field& field, bool xTime)
{
    return xTime && (field.id == xMinField || field.id == xMaxField);
}

// Every field is read, so that each one that is no number gets selected in
// turn and the last of them keeps the focus. On a time axis the x bounds
// may also be dates and times.
template <std::size_t N>
bool readFields(DialogControls& controls, const std::array<Field, N>& fields, RangeSet& out, bool xTime)
{
    bool valid = true;
    for (const Field& field : fields) {
        double& value = out.*field.axis.*field.value;
        const auto time = isTimeBound(field, xTime) ? parseTimeStamp(controls.text(field.id)) : std::nullopt;
        if (time) {
            value = *time;
        } else {
            valid = readDialogReal(controls, field.id, value) && valid;
        }
    }
    return valid;
}

constexpr std::array<Field, 4> rangeFields{{
    {xMinField, &RangeSet::x, &AxisRange::min},
    {xMaxField, &RangeSet::x, &AxisRange::max},
    {yMinField, &RangeSet::y, &AxisRange::min},
    {yMaxField, &RangeSet::y, &AxisRange::max},
}};

// The ticks are read y before the x sub-tick, so that order decides which
// field keeps the focus.
constexpr std::array<Field, 8> allFields{{
    {xMinField, &RangeSet::x, &AxisRange::min},
    {xMaxField, &RangeSet::x, &AxisRange::max},
    {yMinField, &RangeSet::y, &AxisRange::min},
    {yMaxField, &RangeSet::y, &AxisRange::max},
    {xTickField, &RangeSet::x, &AxisRange::tick},
    {yTickField, &RangeSet::y, &AxisRange::tick},
    {xSubTickField, &RangeSet::x, &AxisRange::subTick},
    {ySubTickField, &RangeSet::y, &AxisRange::subTick},
}};

bool refuseField(DialogControls& controls, int id)
{
    controls.selectAllText(id);
    controls.setFocus(id);
    return false;
}

// A logarithmic axis shows positive bounds only; others are refused like a
// field that is no number.
bool boundsSuitKinds(DialogControls& controls, const RangeSet& r, AxisKind xKind, AxisKind yKind)
{
    bool suit = true;
    if (xKind == AxisKind::Logarithmic && !Axis::acceptsBounds(r.x.min, r.x.max, xKind)) {
        suit = refuseField(controls, r.x.min > 0.0 ? xMaxField : xMinField);
    }
    if (yKind == AxisKind::Logarithmic && !Axis::acceptsBounds(r.y.min, r.y.max, yKind)) {
        suit = refuseField(controls, r.y.min > 0.0 ? yMaxField : yMinField);
    }
    return suit;
}

// Two finite bounds can still lie so far apart that their width overflows
// (-1e308 to 1e308); such a range has no scale and no ticks, so it is
// refused like a field that is no number, at the axis's lower bound.
bool widthsAreFinite(DialogControls& controls, const RangeSet& r)
{
    bool finite = true;
    if (!std::isfinite(r.x.max - r.x.min)) {
        finite = refuseField(controls, xMinField);
    }
    if (!std::isfinite(r.y.max - r.y.min)) {
        finite = refuseField(controls, yMinField);
    }
    return finite;
}

void showNumber(DialogControls& controls, int id, double value)
{
    controls.setText(id, formatGeneral(value));
}

}  // namespace

void RangeAndTicksBox::opened(DialogControls& controls)
{
    const RangeSet r = plot_.axes().currentRange();
    const bool xTime = plot_.axes().x().kind() == AxisKind::Time;
    for (const Field& field : allFields) {
        const double value = r.*field.axis.*field.value;
        if (isTimeBound(field, xTime)) {
            controls.setText(field.id, timeText(value, true));
        } else {
            showNumber(controls, field.id, value);
        }
    }
    controls.setChecked(xLogCheck, plot_.axes().x().log());
    controls.setChecked(yLogCheck, plot_.axes().y().log());
    controls.selectAllText(xMinField);
    controls.setFocus(xMinField);
}

void RangeAndTicksBox::accept(DialogControls& controls)
{
    RangeSet typed;
    const AxisKind xKind = typedXKind(controls);
    const AxisKind yKind = axisKind(controls.checked(yLogCheck));
    if (!readFields(controls, allFields, typed, typedXKind(controls) == AxisKind::Time) || !widthsAreFinite(controls, typed) ||
        !boundsSuitKinds(controls, typed, xKind, yKind)) {
        return;
    }
    // The spacings of a logarithmic axis count decades. A time axis ticks at
    // calendar steps of its own; its spacings only move the view.
    const double xWidth = std::fabs(typed.x.max - typed.x.min);
    const bool xTime = xKind == AxisKind::Time;
    if (!tickCountCheck(owner_.window.lastView(), toAxis(typed.x.min, xKind), toAxis(typed.x.max, xKind),
                        toAxis(typed.y.min, yKind), toAxis(typed.y.max, yKind), xTime ? xWidth : typed.x.tick,
                        xTime ? xWidth : typed.x.subTick, typed.y.tick, typed.y.subTick)) {
        reportError(ERR_MESSAGE, "Too many Tickmarks!", true, owner_.frame.nativeWindow());
        return;
    }
    // A range without width is left as it was, and so are the axes' kinds;
    // the spacings are taken all the same.
    AxesSystem& axes = plot_.axes();
    axes.setRangeAndKinds(typed.x.min, typed.x.max, typed.y.min, typed.y.max, xKind, yKind, true);
    axes.setTicks({{typed.x.tick, typed.x.subTick}, {typed.y.tick, typed.y.subTick}});
    controls.endDialog(IDOK);
}

AxisKind RangeAndTicksBox::typedXKind(const DialogControls& controls) const
{
    if (controls.checked(xLogCheck)) {
        return AxisKind::Logarithmic;
    }
    return plot_.axes().x().kind() == AxisKind::Time ? AxisKind::Time : AxisKind::Linear;
}

void RangeAndTicksBox::buttonPressed(DialogControls& controls, int id)
{
    if (id == xLogCheck || id == yLogCheck) {
        logChecked(controls, id == xLogCheck);
        return;
    }
    if (id != autoTicksButton) {
        return;
    }
    RangeSet typed;
    const AxisKind xKind = typedXKind(controls);
    const AxisKind yKind = axisKind(controls.checked(yLogCheck));
    if (!readFields(controls, rangeFields, typed, typedXKind(controls) == AxisKind::Time) || !widthsAreFinite(controls, typed) ||
        !boundsSuitKinds(controls, typed, xKind, yKind)) {
        return;
    }
    showTicks(controls, typed, xKind, yKind);
}

void RangeAndTicksBox::showTicks(DialogControls& controls, const RangeSet& r, AxisKind xKind, AxisKind yKind)
{
    const Ticks t = ticksForRange(plot_.axes(), r.x.min, r.x.max, r.y.min, r.y.max,
                                  plot_.aspectRatio() == AXES_EQUAL, xKind, yKind);
    showNumber(controls, xTickField, t.x.tick);
    showNumber(controls, xSubTickField, t.x.subTick);
    showNumber(controls, yTickField, t.y.tick);
    showNumber(controls, ySubTickField, t.y.subTick);
}

void RangeAndTicksBox::logChecked(DialogControls& controls, bool xAxis)
{
    // The axis's range and ticks become the automatic ones of its new kind,
    // or, without a positive value, the box goes back to linear.
    const int check = xAxis ? xLogCheck : yLogCheck;
    const bool log = controls.checked(check);
    const auto bounds = autoAxisBounds(plot_, xAxis, axisKind(log));
    if (!bounds) {
        if (log) {
            controls.setChecked(check, false);
            reportError(ERR_MESSAGE, noPositiveValues(xAxis), true, owner_.frame.nativeWindow());
        }
        return;
    }
    showNumber(controls, xAxis ? xMinField : yMinField, bounds->first);
    showNumber(controls, xAxis ? xMaxField : yMaxField, bounds->second);
    RangeSet typed;
    const AxisKind xKind = typedXKind(controls);
    const AxisKind yKind = axisKind(controls.checked(yLogCheck));
    if (readFields(controls, rangeFields, typed, typedXKind(controls) == AxisKind::Time) && widthsAreFinite(controls, typed) &&
        boundsSuitKinds(controls, typed, xKind, yKind)) {
        showTicks(controls, typed, xKind, yKind);
    }
}

void showRangeAndTicksBox(DialogPlot plot)
{
    RangeAndTicksBox box(plot);
    runPlotDialog(plot, "RangeAndTicksBox", box);
}

}  // namespace kvx
