#pragma once
// The graphs of a list of owned graphs, in order, as references, for
// range-for loops. Loops that need no graph number use it: a 16-bit counter
// never passes 32767, the largest number of graphs.

namespace kvx {

template <typename G, typename Iterator>
class GraphRange {
public:
    class iterator {
    public:
        explicit iterator(Iterator at) : at_(at) {}
        G& operator*() const { return **at_; }
        iterator& operator++()
        {
            ++at_;
            return *this;
        }
        bool operator==(const iterator& other) const { return at_ == other.at_; }

    private:
        Iterator at_;
    };

    GraphRange(Iterator first, Iterator last) : first_(first), last_(last) {}
    iterator begin() const { return iterator(first_); }
    iterator end() const { return iterator(last_); }

private:
    Iterator first_;
    Iterator last_;
};

// The graphs of `list` (a container of owning pointers) as G&.
template <typename G, typename List>
GraphRange<G, typename List::const_iterator> graphRange(const List& list)
{
    return {list.begin(), list.end()};
}

}  // namespace kvx
