#include "files/graph_keys.h"

#include "model/plot_model.h"
#include "settings/keywords.h"
#include "settings/profile.h"

namespace kvx {

namespace {

enum class Form { Keyword, Integer };

struct StyleKey {
    std::string_view name;
    Form form;
    int16_t (Graph::*get)() const;
    void (PlotModel::*set)(int16_t value, int16_t index);
};

constexpr std::array<StyleKey, GraphKeys::styleCount> styleKeys{{
    {"type", Form::Keyword, &Graph::type, &PlotModel::setType},
    {"lineType", Form::Keyword, &Graph::lineType, &PlotModel::setLineType},
    {"colorNum", Form::Integer, &Graph::colorNum, &PlotModel::setColorNum},
    {"markerType", Form::Keyword, &Graph::markerType, &PlotModel::setMarkerType},
    {"lineWidth", Form::Integer, &Graph::lineWidth, &PlotModel::setLineWidth},
    {"pointsSize", Form::Integer, &Graph::pointsSize, &PlotModel::setPointsSize},
    {"markerSize", Form::Integer, &Graph::markerSize, &PlotModel::setMarkerSize},
    {"showLines", Form::Keyword, &Graph::showLines, &PlotModel::setShowLines},
    {"showPoints", Form::Keyword, &Graph::showPoints, &PlotModel::setShowPoints},
    {"showMarker", Form::Keyword, &Graph::showMarker, &PlotModel::setShowMarker},
    {"linesDrawRate", Form::Integer, &Graph::linesDrawRate, &PlotModel::setLinesDrawRate},
    {"pointsDrawRate", Form::Integer, &Graph::pointsDrawRate, &PlotModel::setPointsDrawRate},
    {"markerDrawRate", Form::Integer, &Graph::markerDrawRate, &PlotModel::setMarkerDrawRate},
}};

constexpr std::string_view lableKey = "lable";

}  // namespace

void GraphKeys::applyTo(PlotModel& plot, int16_t index) const
{
    if (lable) {
        plot.setLable(*lable, index);
    }
    for (std::size_t i = 0; i < styleCount; ++i) {
        if (style[i]) {
            (plot.*styleKeys[i].set)(*style[i], index);
        }
    }
}

GraphKeys readGraphKeys(Profile& profile, std::string_view section)
{
    GraphKeys keys;
    std::string text;
    if (profile.readText(section, lableKey, text)) {
        keys.lable = std::move(text);
    }
    for (std::size_t i = 0; i < GraphKeys::styleCount; ++i) {
        const StyleKey& key = styleKeys[i];
        int16_t value = 0;
        const bool present = key.form == Form::Keyword ? profile.readKeyword(section, key.name, value)
                                                       : profile.readShort(section, key.name, value);
        if (present) {
            keys.style[i] = value;
        }
    }
    return keys;
}

void writeGraphKeys(Profile& profile, std::string_view section, const Graph& graph)
{
    profile.writeQuotedText(section, lableKey, graph.lable());
    for (const StyleKey& key : styleKeys) {
        const int16_t value = (graph.*key.get)();
        if (key.get == &Graph::lineType && value == SOLID) {
            continue;
        }
        if (key.form == Form::Keyword) {
            profile.writeKeyword(section, key.name, value);
        } else {
            profile.writeShort(section, key.name, value);
        }
    }
}

}  // namespace kvx
