#include "dialogs/range_and_ticks_box.h"

#include "dialogs/control_ids.h"
#include <array>
#include <cmath>

#include "app/errors.h"
#include "app/general_format.h"
#include "dialogs/dialog_fields.h"
#include "dialogs/plot_dialog.h"
#include "dialogs/tick_count_check.h"
#include "model/axis_scale.h"
#include "dialogs/dialog_plot.h"
#include "scaling/auto_range.h"
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
    double RangeSet::*value;
};

// Every field is read, so that each one that is no number gets selected in
// turn and the last of them keeps the focus.
template <std::size_t N>
bool readFields(DialogControls& controls, const std::array<Field, N>& fields, RangeSet& out)
{
    bool valid = true;
    for (const Field& field : fields) {
        valid = readDialogReal(controls, field.id, out.*field.value) && valid;
    }
    return valid;
}

constexpr std::array<Field, 4> rangeFields{{
    {xMinField, &RangeSet::xMin},
    {xMaxField, &RangeSet::xMax},
    {yMinField, &RangeSet::yMin},
    {yMaxField, &RangeSet::yMax},
}};

// The ticks are read y before the x sub-tick, so that order decides which
// field keeps the focus.
constexpr std::array<Field, 8> allFields{{
    {xMinField, &RangeSet::xMin},
    {xMaxField, &RangeSet::xMax},
    {yMinField, &RangeSet::yMin},
    {yMaxField, &RangeSet::yMax},
    {xTickField, &RangeSet::xTick},
    {yTickField, &RangeSet::yTick},
    {xSubTickField, &RangeSet::xSubTick},
    {ySubTickField, &RangeSet::ySubTick},
}};

bool refuseField(DialogControls& controls, int id)
{
    controls.selectAllText(id);
    controls.setFocus(id);
    return false;
}

// A logarithmic axis shows positive bounds only; others are refused like a
// field that is no number.
bool boundsSuitKinds(DialogControls& controls, const RangeSet& r, bool xLog, bool yLog)
{
    bool suit = true;
    if (!AxesSystem::acceptsBounds(r.xMin, r.xMax, xLog) && xLog) {
        suit = refuseField(controls, r.xMin > 0.0 ? xMaxField : xMinField);
    }
    if (!AxesSystem::acceptsBounds(r.yMin, r.yMax, yLog) && yLog) {
        suit = refuseField(controls, r.yMin > 0.0 ? yMaxField : yMinField);
    }
    return suit;
}

// Two finite bounds can still lie so far apart that their width overflows
// (-1e308 to 1e308); such a range has no scale and no ticks, so it is
// refused like a field that is no number, at the axis's lower bound.
bool widthsAreFinite(DialogControls& controls, const RangeSet& r)
{
    bool finite = true;
    if (!std::isfinite(r.xMax - r.xMin)) {
        finite = refuseField(controls, xMinField);
    }
    if (!std::isfinite(r.yMax - r.yMin)) {
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
    const RangeSet& r = plot_.axes().currentRange();
    for (const Field& field : allFields) {
        showNumber(controls, field.id, r.*field.value);
    }
    controls.setChecked(xLogCheck, plot_.axes().xLog());
    controls.setChecked(yLogCheck, plot_.axes().yLog());
    controls.selectAllText(xMinField);
    controls.setFocus(xMinField);
}

void RangeAndTicksBox::accept(DialogControls& controls)
{
    RangeSet typed;
    const bool xLog = controls.checked(xLogCheck);
    const bool yLog = controls.checked(yLogCheck);
    if (!readFields(controls, allFields, typed) || !widthsAreFinite(controls, typed) ||
        !boundsSuitKinds(controls, typed, xLog, yLog)) {
        return;
    }
    // The spacings of a logarithmic axis count decades.
    if (!tickCountCheck(owner_.window.lastView(), toAxis(typed.xMin, xLog), toAxis(typed.xMax, xLog), toAxis(typed.yMin, yLog),
                        toAxis(typed.yMax, yLog), typed.xTick, typed.xSubTick, typed.yTick, typed.ySubTick)) {
        reportError(ERR_MESSAGE, "Too many Tickmarks!", true, owner_.frame.nativeWindow());
        return;
    }
    // A range without width is left as it was, and so are the axes' kinds;
    // the spacings are taken all the same.
    AxesSystem& axes = plot_.axes();
    axes.setRangeAndKinds(typed.xMin, typed.xMax, typed.yMin, typed.yMax, xLog, yLog, true);
    axes.setTicks(typed.xTick, typed.yTick, typed.xSubTick, typed.ySubTick);
    controls.endDialog(IDOK);
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
    const bool xLog = controls.checked(xLogCheck);
    const bool yLog = controls.checked(yLogCheck);
    if (!readFields(controls, rangeFields, typed) || !widthsAreFinite(controls, typed) ||
        !boundsSuitKinds(controls, typed, xLog, yLog)) {
        return;
    }
    showTicks(controls, typed, xLog, yLog);
}

void RangeAndTicksBox::showTicks(DialogControls& controls, const RangeSet& r, bool xLog, bool yLog)
{
    const Ticks t = ticksForRange(plot_.axes(), r.xMin, r.xMax, r.yMin, r.yMax, plot_.aspectRatio() == AXES_EQUAL,
                                  xLog, yLog);
    showNumber(controls, xTickField, t.xTick);
    showNumber(controls, xSubTickField, t.xSubTick);
    showNumber(controls, yTickField, t.yTick);
    showNumber(controls, ySubTickField, t.ySubTick);
}

void RangeAndTicksBox::logChecked(DialogControls& controls, bool xAxis)
{
    // The axis's range and ticks become the automatic ones of its new kind,
    // or, without a positive value, the box goes back to linear.
    const int check = xAxis ? xLogCheck : yLogCheck;
    const bool log = controls.checked(check);
    const auto bounds = autoAxisBounds(plot_, xAxis, log);
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
    if (readFields(controls, rangeFields, typed) && widthsAreFinite(controls, typed) &&
        boundsSuitKinds(controls, typed, controls.checked(xLogCheck), controls.checked(yLogCheck))) {
        showTicks(controls, typed, controls.checked(xLogCheck), controls.checked(yLogCheck));
    }
}

void showRangeAndTicksBox(DialogPlot plot)
{
    RangeAndTicksBox box(plot);
    runPlotDialog(plot, "RangeAndTicksBox", box);
}

}  // namespace kvx
