#pragma once
// The fast way through the bulk of a data block: runs of LF-ended lines that
// each hold a fixed count of numbers are turned into rows of values, on two
// threads when there is enough text. Everything else is left to the
// line-by-line reader.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <string_view>
#include <thread>
#include <vector>

namespace kvx {

// A line that begins with these three characters ends a block.
inline bool startsBlock(std::string_view line)
{
    return line.substr(0, 3) == "NEW";
}

// What one run of lines gave.
struct NumberRows {
    std::vector<double> values;  // a fixed count of values per data line, line after line
    std::size_t bytes = 0;       // the text taken, up to the start of the line not taken
    long lines = 0;              // its physical lines, comment and blank lines included
    bool stopped = false;        // a line was left untaken before the text's end
    bool timeStamps = false;     // a table's x value came from a date and time

    void clear();
};

// Goes through the lines of `text` (each ending at an LF, none holding a CR)
// while `take(p, end)` takes the line at `p`: it appends the line's values
// (or none for a comment or blank line) and moves `p` past its LF, or
// returns false to leave the line, and the rest, untaken. Stops early, as
// before an untaken line, once `cancel` is set.
template <class TakeLine>
void parseLines(std::string_view text, NumberRows& rows, const std::atomic<bool>* cancel, TakeLine take)
{
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* p = begin;
    while (p < end) {
        if ((cancel && cancel->load(std::memory_order_relaxed)) || !take(p, end)) {
            rows.stopped = true;
            break;
        }
        ++rows.lines;
    }
    rows.bytes += static_cast<std::size_t>(p - begin);
}

// The line at `p` up to its LF (or `end`), and where the next one begins.
std::string_view lineAt(const char* p, const char* end, const char*& next);

// The values a data line of a block must give: `perLine` numbers, of which
// every `attributeStride`-th from `firstAttribute` on is a point attribute,
// read as an integer (none when the stride is 0).
struct RowShape {
    std::size_t perLine = 0;
    std::size_t firstAttribute = 0;
    std::size_t attributeStride = 0;

    bool isAttribute(std::size_t column) const
    {
        return attributeStride > 0 && column >= firstAttribute && (column - firstAttribute) % attributeStride == 0;
    }
};

// Adds to `rows` the lines of `text` (each ending at an LF, none holding a
// CR) up to the first one that is neither a comment or blank line nor the
// values of `shape` that all convert: a "NEW" line, a short line or a token
// such as a lone "-". An attribute is stored as a value. Extra numbers on a
// line are ignored, as they are line by line. `text` starts where the rows
// end. Stops early, as before an untaken line, once `cancel` is set.
void parseNumberRows(std::string_view text, const RowShape& shape, NumberRows& rows,
                     const std::atomic<bool>* cancel = nullptr);

// Turns lines into rows as parseNumberRows does, by the rules of one kind
// of file; called on two threads at once, so it keeps no state of its own.
using RowParser = std::function<void(std::string_view text, NumberRows& rows, const std::atomic<bool>* cancel)>;

// What becomes of the rows of the back part: appended by the thread that
// parsed them, once the caller has used the front part.
using RowUser = std::function<void(const NumberRows& rows)>;

// Parses the lines of a text in two parts: the back part on a second thread,
// while the calling thread parses the front part and hands it to the caller
// before the back part is done, so that using the rows overlaps parsing.
// The second thread then also uses the back part, while the caller fetches
// and starts on the next text. The cut moves from text to text so that
// both threads reach the hand-over together.
// A front part that stops early (a block's end, say) calls the back part
// off, so that a file of many short blocks costs no more than read line by line.
class RowsInTwo {
public:
    // `frontShare` is the front part's first share of the text, cut at an LF.
    explicit RowsInTwo(double frontShare) : frontShare_(frontShare) {}
    RowsInTwo(const RowsInTwo&) = delete;
    RowsInTwo& operator=(const RowsInTwo&) = delete;
    ~RowsInTwo();

    // Starts on the back part and parses the front part. The back part of
    // the text before is used up first (see finish()).
    const NumberRows& front(std::string_view text, const RowParser& parse, const RowUser& useBack);
    // Hands the back part over to `useBack`, which runs on the second
    // thread, unless the front stopped; waits until the back part is parsed,
    // after which the text may go. Its rows are for their counts: the values
    // may be in use.
    const NumberRows& back();
    // Waits until the back part is used; throws what parsing or using it
    // threw there. A std::bad_alloc ends the program as on the calling
    // thread, unless failed allocations of the calling thread throw.
    void finish();
    // Calls the back part off and waits for the second thread, whatever it met.
    void abandon();

private:
    enum Release : int { pending, use, drop };
    enum Parse : int { parsing, done, failed };
    // Waits until the back part posted last is done with.
    void join();
    // Starts the second thread, which lives as long as this; false when no
    // thread is to be had.
    bool helperReady();
    // The second thread: one back part after the other.
    void serve();
    void runBack();

    // Each thread appends to its rows' vector for every number: on cache
    // lines of their own, the two do not take the lines from each other.
    static constexpr std::size_t cacheLine = 64;
    double frontShare_;
    RowParser parse_;
    RowUser useBack_;
    std::string_view backText_;
    alignas(cacheLine) NumberRows front_;
    alignas(cacheLine) NumberRows back_;
    alignas(cacheLine) std::atomic<int> backParsed_{parsing};
    std::atomic<int> release_{pending};  // set by the calling thread only
    std::atomic<bool> cancel_{false};    // the back part will not be used
    bool backHere_ = false;              // no second thread: the back part waits for back()
    bool posted_ = false;                // a back part went to the second thread (calling thread only)
    std::exception_ptr failure_;         // what the second thread met; read after the join
    // Back parts posted by the calling thread and done by the second one.
    alignas(cacheLine) std::atomic<uint32_t> jobs_{0};
    std::atomic<uint32_t> done_{0};
    std::atomic<bool> quit_{false};
    std::thread helper_;
};

}  // namespace kvx
