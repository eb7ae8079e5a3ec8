#pragma once
// The keys of one graph in a plot file: its label and its style, each with
// the form it is stored in. A plot file holds them per graph ([Graph<n>])
// and may hold them once for all graphs ([Graphs]).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvx {

class Graph;
class PlotModel;
class Profile;

// The graph keys found in one section; what is absent stays unset.
struct GraphKeys {
    static constexpr std::size_t styleCount = 13;

    std::optional<std::string> lable;
    std::array<std::optional<int16_t>, styleCount> style;  // in the order of the file

    // Sets the present values on graph `index` of the plot through its
    // setters, which hold the numbers within their bounds.
    void applyTo(PlotModel& plot, int16_t index) const;
};

// The keys of `section`; a keyword that the keyword table does not know
// counts as absent.
GraphKeys readGraphKeys(Profile& profile, std::string_view section);

// All keys of the graph into `section`; the line type only when it is not SOLID.
void writeGraphKeys(Profile& profile, std::string_view section, const Graph& graph);

}  // namespace kvx
