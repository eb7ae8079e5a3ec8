#pragma once
// The list of graph copies behind "Copy All", "Paste All", "Empty Clipboard"
// and the Handle Graphs dialog (not the system clipboard); the application
// context holds the program's one.

#include <cstdint>
#include <memory>
#include <vector>

#include "model/graph.h"
#include "model/graph_range.h"

namespace kvx {

class GraphClipboard {
public:
    static constexpr int16_t maxGraphs = 32767;

    // The clipboard of the current application context.
    static GraphClipboard& instance();

    // A deep copy of the source at the end; returns its number (from 1).
    int16_t appendCopy(const Graph& source);
    // Entry i goes; the following move down. Nothing when i is no entry.
    void remove(int16_t i);
    void clear() { graphs_.clear(); }
    int16_t count() const { return static_cast<int16_t>(graphs_.size()); }
    const Graph& graph(int i) const { return *graphs_[static_cast<std::size_t>(i - 1)]; }
    // Every entry in order (a 16-bit counter never passes the last of 32767).
    auto graphs() const { return graphRange<const Graph>(graphs_); }

private:
    std::vector<std::unique_ptr<Graph>> graphs_;
};

}  // namespace kvx
