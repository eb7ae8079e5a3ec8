#include "dialogs/edit_graphs_box.h"

#include "dialogs/control_ids.h"
#include <algorithm>
#include <optional>
#include <string>

#include "dialogs/dialog_fields.h"
#include "dialogs/plot_dialog.h"
#include "dialogs/dialog_plot.h"
#include "render/drawing_objects.h"
#include "render/markers.h"
#include "render/palette.h"
#include "settings/keywords.h"
#include "settings/profile.h"

namespace kvx {

namespace {

constexpr int ID_GRAPH_LIST = IDC_GRAPH_LIST;
constexpr int ID_DELETE_UNUSED = IDC_DELETE_UNUSED;
constexpr int ID_SELECT_ALL = IDC_SELECT_ALL;
constexpr int ID_NUMBER = IDC_GRAPH_NUMBER;
constexpr int ID_LABLE = IDC_GRAPH_LABLE;
constexpr int ID_TYPE = IDC_GRAPH_TYPE;
constexpr int ID_COLOR = IDC_GRAPH_COLOR;
constexpr int ID_WIDTH = IDC_LINE_WIDTH;
constexpr int ID_MARKER_TYPE = IDC_MARKER_TYPE;
constexpr int ID_MARKER_SIZE = IDC_MARKER_SIZE;
constexpr int ID_LINES_RATE = IDC_LINES_RATE;
constexpr int ID_MARKERS_RATE = IDC_MARKERS_RATE;
constexpr int ID_REORDER_COLORS = IDC_REORDER_COLORS;
constexpr int ID_ACCEPT = IDC_ACCEPT;

constexpr int numTypes = 4;     // LINES to STEMS
constexpr int numMarkers = 12;  // NOMARKER to POINT
constexpr int markerEntrySize = 7;

std::string keywordOf(int value)
{
    std::string keyword;
    valueToKeyword(static_cast<int16_t>(value), keyword);
    return keyword;
}

std::vector<std::string> keywordEntries(int first, int count)
{
    std::vector<std::string> entries;
    for (int i = 0; i < count; ++i) {
        entries.push_back(keywordOf(first + i));
    }
    return entries;
}

// The value every selected graph has, or none when two differ.
template <typename Get>
auto commonOf(const PlotModel& plot, const std::vector<int>& entries, Get get)
    -> std::optional<decltype(get(plot.graph(1)))>
{
    std::optional<decltype(get(plot.graph(1)))> common;
    for (const int entry : entries) {
        auto value = get(plot.graph(entry + 1));
        if (!common) {
            common = std::move(value);
        } else if (*common != value) {
            return std::nullopt;
        }
    }
    return common;
}

void showNumber(DialogControls& controls, int id, std::optional<int16_t> value)
{
    controls.setText(id, value ? std::to_string(*value) : std::string());
}

// Selects the entry of a drawn list that stands for `value`, or none.
void showEntry(DialogControls& controls, int id, std::optional<int> entry)
{
    if (entry && *entry >= 0 && *entry < controls.entryCount(id)) {
        controls.setSelection(id, {*entry});
    } else {
        controls.setSelection(id, {});
    }
}

std::optional<int> chosenEntry(const DialogControls& controls, int id)
{
    const std::vector<int> chosen = controls.selection(id);
    if (chosen.empty() || chosen.front() < 0 || chosen.front() >= controls.entryCount(id)) {
        return std::nullopt;
    }
    return chosen.front();
}

// A number field as the accept button takes it: the leading integer, as 16
// bits; only a value above 0 counts.
std::optional<int16_t> positiveField(const DialogControls& controls, int id)
{
    const auto value = static_cast<int16_t>(leadingLong(controls.text(id)));
    return value > 0 ? std::optional<int16_t>(value) : std::nullopt;
}

}  // namespace

EditGraphsBox::EditGraphsBox(DialogPlot plot) : plot_(plot.model), owner_(plot) {}

bool EditGraphsBox::isScalePalette() const
{
    return palette_ != MIXED_COLORS_I && palette_ != MIXED_COLORS_II;
}

int EditGraphsBox::colorEntry(int16_t c) const
{
    if (numColors_ <= 0) {
        return -1;
    }
    // Colour numbers of 0 and below have no entry in either kind of palette.
    const int entry = isScalePalette() ? std::min<int>(c, numColors_) - 1 : (c - 1) % numColors_;
    return entry >= 0 ? entry : -1;
}

std::string EditGraphsBox::colorEntryName(int index) const
{
    // Under a scale every higher number takes the last colour too.
    const bool last = isScalePalette() && index == numColors_ - 1;
    return std::to_string(index + 1) + (last ? "+:" : ":");
}

void EditGraphsBox::opened(DialogControls& controls)
{
    palette_ = plot_.colorPalette();
    numColors_ = std::max<int16_t>(plot_.numColors(), 0);
    controls.setEntries(ID_TYPE, keywordEntries(LINES, numTypes));
    std::vector<std::string> colors;
    for (int i = 0; i < numColors_; ++i) {
        colors.push_back(colorEntryName(i));
    }
    controls.setEntries(ID_COLOR, colors);
    controls.setEntries(ID_MARKER_TYPE, keywordEntries(NOMARKER, numMarkers));
    fillGraphList(controls);
    select(controls, {0});
}

void EditGraphsBox::fillGraphList(DialogControls& controls)
{
    controls.setEntries(ID_GRAPH_LIST, graphListEntries(plot_));
}

void EditGraphsBox::select(DialogControls& controls, const std::vector<int>& entries)
{
    controls.setSelection(ID_GRAPH_LIST, entries);
    selectedGraphs_ = controls.selection(ID_GRAPH_LIST);
    loadFields(controls);
}

void EditGraphsBox::loadFields(DialogControls& controls)
{
    const auto& selected = selectedGraphs_;
    const auto common = [&](auto get) { return commonOf(plot_, selected, get); };
    controls.setText(ID_NUMBER, selected.size() == 1 ? std::to_string(selected.front() + 1) : std::string());
    controls.setText(ID_LABLE, common([](const Graph& g) { return g.lable(); }).value_or(std::string()));
    const auto entryOf = [](std::optional<int16_t> value, int first) {
        return value ? std::optional<int>(*value - first) : std::nullopt;
    };
    showEntry(controls, ID_TYPE, entryOf(common([](const Graph& g) { return g.type(); }), LINES));
    const auto color = common([](const Graph& g) { return g.colorNum(); });
    showEntry(controls, ID_COLOR, color ? std::optional<int>(colorEntry(*color)) : std::nullopt);
    showEntry(controls, ID_MARKER_TYPE, entryOf(common([](const Graph& g) { return g.markerType(); }), NOMARKER));
    showNumber(controls, ID_MARKER_SIZE, common([](const Graph& g) { return g.markerSize(); }));
    showNumber(controls, ID_WIDTH, common([](const Graph& g) { return g.lineWidth(); }));
    showNumber(controls, ID_LINES_RATE, common([](const Graph& g) { return g.linesDrawRate(); }));
    showNumber(controls, ID_MARKERS_RATE, common([](const Graph& g) { return g.markerDrawRate(); }));
}

void EditGraphsBox::accept(DialogControls& controls)
{
    if (selectedGraphs_.empty()) {
        return;
    }
    const bool one = selectedGraphs_.size() == 1;
    const std::string lable = controls.text(ID_LABLE);
    // A drawn list without a selection leaves its value: its graphs differ
    // in it, or have a value that no entry stands for (colour number 0).
    const std::optional<int> type = chosenEntry(controls, ID_TYPE);
    const std::optional<int> color = chosenEntry(controls, ID_COLOR);
    const std::optional<int> marker = chosenEntry(controls, ID_MARKER_TYPE);
    const std::optional<int16_t> width = positiveField(controls, ID_WIDTH);
    const std::optional<int16_t> markerSize = positiveField(controls, ID_MARKER_SIZE);
    const std::optional<int16_t> linesRate = positiveField(controls, ID_LINES_RATE);
    const std::optional<int16_t> markersRate = positiveField(controls, ID_MARKERS_RATE);
    for (const int entry : selectedGraphs_) {
        const auto n = static_cast<int16_t>(entry + 1);
        if (one || !lable.empty()) {
            plot_.setLable(lable, n);
        }
        if (color) {
            plot_.setColorNum(static_cast<int16_t>(*color + 1), n);
        }
        if (marker) {
            plot_.setMarkerType(static_cast<int16_t>(NOMARKER + *marker), n);
        }
        if (type) {
            plot_.setType(static_cast<int16_t>(LINES + *type), n);
        }
        if (width) {
            plot_.setLineWidth(*width, n);
        }
        if (markerSize) {
            plot_.setMarkerSize(*markerSize, n);
        }
        if (linesRate) {
            plot_.setLinesDrawRate(*linesRate, n);
        }
        if (markersRate) {
            plot_.setMarkerDrawRate(*markersRate, n);
        }
    }
    fillGraphList(controls);
    // The fields then show what the graphs took (a width of "abc" shows the
    // width kept), also when refilling the list told of a selection change.
    select(controls, selectedGraphs_);
}

void EditGraphsBox::deleteUnused(DialogControls& controls)
{
    // From the last to the first, so that the numbers still to come stay.
    for (int i = plot_.numGraphs(); i >= 1; --i) {
        if (plot_.graph(i).numPoints() == 0) {
            plot_.removeGraph(static_cast<int16_t>(i));
        }
    }
    fillGraphList(controls);
    select(controls, {0});
}

void EditGraphsBox::reorderColors(DialogControls& controls)
{
    for (int i = 1; i <= plot_.numGraphs(); ++i) {
        plot_.setColorNum(static_cast<int16_t>(i), static_cast<int16_t>(i));
    }
    loadFields(controls);
}

void EditGraphsBox::controlUsed(DialogControls& controls, int id, ControlEvent event)
{
    switch (id) {
    case ID_GRAPH_LIST:
        if (event == ControlEvent::SelectionChanged) {
            selectedGraphs_ = controls.selection(ID_GRAPH_LIST);
            loadFields(controls);
        }
        break;
    case ID_ACCEPT: accept(controls); break;
    case ID_DELETE_UNUSED: deleteUnused(controls); break;
    case ID_SELECT_ALL: select(controls, allEntries(controls.entryCount(ID_GRAPH_LIST))); break;
    case ID_REORDER_COLORS: reorderColors(controls); break;
    case IDOK:
    case IDCANCEL: controls.endDialog(id); break;
    default: break;
    }
}

void EditGraphsBox::drawColorEntry(Surface& surface, int index, int width, int height) const
{
    if (index < 0 || index >= numColors_) {
        return;
    }
    surface.fillRect(25, 0, width, height, paletteColor(palette_, numColors_, static_cast<int16_t>(index + 1)));
    surface.textOut(2, height, colorEntryName(index));
}

void EditGraphsBox::drawEntry(Surface& surface, int id, int index, int width, int height)
{
    surface.selectFont(makePlotObjects(plot_.settings()).labelFont);
    surface.setTextAlign(TextHAlign::Left, TextVAlign::Baseline);
    surface.setTextColor(rgb(0, 0, 0));
    surface.setTextBackgroundOpaque(false);
    switch (id) {
    case ID_TYPE:
        if (index >= 0 && index < numTypes) {
            surface.textOut(5, height, keywordOf(LINES + index));
        }
        break;
    case ID_COLOR: drawColorEntry(surface, index, width, height); break;
    case ID_MARKER_TYPE:
        if (index == 0) {
            surface.textOut(4, height, keywordOf(NOMARKER));
        } else if (index > 0 && index < numMarkers) {
            const Brush black{false, rgb(0, 0, 0)};
            surface.selectPen(Pen{PenStyle::Solid, 1, rgb(0, 0, 0), false});
            surface.selectBrush(black);
            drawMarkerShape(surface, static_cast<int16_t>(NOMARKER + index), width / 2, height / 2,
                            markerEntrySize, black);
        }
        break;
    default: break;
    }
}

void showEditGraphsBox(DialogPlot plot)
{
    EditGraphsBox box(plot);
    runPlotDialog(plot, "EditGraphsBox", box);
}

}  // namespace kvx
