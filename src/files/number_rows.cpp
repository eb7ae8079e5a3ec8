#include "files/number_rows.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <system_error>
#include <utility>

#include "app/errors.h"
#include "files/line_reader.h"
#include "files/number_scanner.h"

namespace kvx {

namespace {

// The usual value at `q`: a number, or for an attribute an integer, that
// converts at once up to a separator or the LF.
bool takeUsualValue(const char* q, const char* end, bool attribute, double& value, const char*& stop)
{
    bool converted = false;
    if (attribute) {
        int32_t att = 0;
        converted = NumberScanner::integerAtOnce(q, end, att, stop);
        value = att;
    } else {
        converted = NumberScanner::convertsAtOnce(q, end, value, stop);
    }
    return converted && (stop == end || *stop == '\n' || NumberScanner::isSeparator(*stop));
}

// The usual data line at `p`: the values of `shape`, each after nothing but
// separators, that convert at once. Appends them and moves `p` past the LF;
// false, with nothing changed, for any other line, which then takes the
// full rules.
bool takeUsualLine(const char*& p, const char* end, const RowShape& shape, std::vector<double>& values)
{
    const std::size_t before = values.size();
    std::size_t nextAttribute = shape.attributeStride > 0 ? shape.firstAttribute : shape.perLine;
    const char* q = p;
    for (std::size_t i = 0; i < shape.perLine; ++i) {
        while (q < end && NumberScanner::isSeparator(*q)) {
            ++q;
        }
        const bool attribute = i == nextAttribute;
        if (attribute) {
            nextAttribute += shape.attributeStride;
        }
        double value = 0.0;
        const char* stop = nullptr;
        if (q == end || !takeUsualValue(q, end, attribute, value, stop)) {
            values.resize(before);
            return false;
        }
        values.push_back(value);
        q = stop;
    }
    // Numbers beyond those needed are ignored.
    if (q < end && *q == '\n') {
        p = q + 1;
    } else {
        const void* lf = std::memchr(q, '\n', static_cast<std::size_t>(end - q));
        p = lf ? static_cast<const char*>(lf) + 1 : end;
    }
    return true;
}

// Appends the values of one data line; false, with nothing appended, when
// the line must go to the line-by-line reader.
bool takeLine(std::string_view line, const RowShape& shape, std::vector<double>& values)
{
    if (startsBlock(line)) {
        return false;
    }
    const std::size_t before = values.size();
    NumberScanner scanner(line);
    double value = 0.0;
    for (std::size_t i = 0; i < shape.perLine; ++i) {
        if (scanner.nextValue(shape.isAttribute(i), value) != NumberScanner::Result::Converted) {
            values.resize(before);
            return false;
        }
        values.push_back(value);
    }
    return true;
}

// Where the line that holds byte `at` of `text` ends, after its LF; the
// text's size when no LF follows.
std::size_t afterLineAt(std::string_view text, std::size_t at)
{
    const std::size_t lf = text.find('\n', at);
    return lf == std::string_view::npos ? text.size() : lf + 1;
}

// The lines that the calling thread parses before it sets a second thread to
// work: a short block ends within them.
constexpr std::size_t headBytes = std::size_t{1} << 16;

}  // namespace

void NumberRows::clear()
{
    values.clear();
    bytes = 0;
    lines = 0;
    stopped = false;
    timeStamps = false;
}

std::string_view lineAt(const char* p, const char* end, const char*& next)
{
    const auto* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
    next = lf ? lf + 1 : end;
    return std::string_view(p, static_cast<std::size_t>((lf ? lf : end) - p));
}

void parseNumberRows(std::string_view text, const RowShape& shape, NumberRows& rows, const std::atomic<bool>* cancel)
{
    parseLines(text, rows, cancel, [&shape, &rows](const char*& p, const char* end) {
        if (takeUsualLine(p, end, shape, rows.values)) {
            return true;
        }
        const char* next = nullptr;
        const std::string_view line = lineAt(p, end, next);
        if (LineReader::carriesContent(line) && !takeLine(line, shape, rows.values)) {
            return false;
        }
        p = next;
        return true;
    });
}

RowsInTwo::~RowsInTwo()
{
    abandon();
    if (helper_.joinable()) {
        quit_.store(true, std::memory_order_relaxed);
        jobs_.fetch_add(1, std::memory_order_release);
        jobs_.notify_one();
        helper_.join();
    }
}

const NumberRows& RowsInTwo::front(std::string_view text, const RowParser& parse, const RowUser& useBack)
{
    // The head is parsed while the second thread may still be using the
    // back part of the text before.
    front_.clear();
    const std::size_t head = afterLineAt(text, std::min(headBytes, text.size()));
    parse(text.substr(0, head), front_, nullptr);
    finish();
    back_.clear();
    backHere_ = false;
    if (front_.stopped) {
        return front_;
    }
    const auto share = static_cast<std::size_t>(static_cast<double>(text.size()) * frontShare_);
    const std::size_t cut = std::max(head, afterLineAt(text, share));
    if (cut == text.size()) {
        parse(text.substr(head), front_, nullptr);
        return front_;
    }
    const std::string_view backText = text.substr(cut);
    parse_ = parse;  // the back part may outlive the caller's parser
    useBack_ = useBack;
    backText_ = backText;
    backParsed_.store(parsing, std::memory_order_relaxed);
    release_.store(pending, std::memory_order_relaxed);
    cancel_.store(false, std::memory_order_relaxed);
    if (helperReady()) {
        posted_ = true;
        jobs_.fetch_add(1, std::memory_order_release);
        jobs_.notify_one();
    } else {
        // No thread to be had: the same work, one part after the other.
        parse(backText, back_, nullptr);
        backHere_ = true;
    }
    parse(text.substr(head, cut - head), front_, nullptr);
    if (front_.stopped) {
        cancel_.store(true, std::memory_order_relaxed);
    }
    return front_;
}

bool RowsInTwo::helperReady()
{
    if (!helper_.joinable()) {
        try {
            helper_ = std::thread([this] { serve(); });
        } catch (const std::system_error&) {
            return false;
        }
    }
    return true;
}

void RowsInTwo::serve()
{
    // Nothing here may end the program from this thread: a failed
    // allocation goes to the calling thread, which knows what to do.
    const RecoverableAllocations handedOver;
    uint32_t seen = 0;
    for (;;) {
        jobs_.wait(seen, std::memory_order_acquire);
        seen = jobs_.load(std::memory_order_acquire);
        if (quit_.load(std::memory_order_relaxed)) {
            return;
        }
        runBack();
        done_.store(seen, std::memory_order_release);
        done_.notify_one();
    }
}

void RowsInTwo::runBack()
{
    int parsed = done;
    try {
        parse_(backText_, back_, &cancel_);
    } catch (...) {
        failure_ = std::current_exception();
        parsed = failed;
    }
    backParsed_.store(parsed, std::memory_order_release);
    backParsed_.notify_one();
    release_.wait(pending, std::memory_order_acquire);
    if (parsed == failed || release_.load(std::memory_order_acquire) != use) {
        return;
    }
    try {
        useBack_(back_);
    } catch (...) {
        failure_ = std::current_exception();
    }
}

const NumberRows& RowsInTwo::back()
{
    if (!posted_) {
        if (backHere_ && !front_.stopped) {
            backHere_ = false;
            useBack_(back_);
        }
        return back_;
    }
    // Whichever thread reached the hand-over first gets more of the next
    // text. How fast each part goes depends on the machine, its load and
    // what the caller does with the rows, so the cut is found by trying.
    if (!front_.stopped) {
        constexpr double step = 0.02;
        const bool helperFirst = backParsed_.load(std::memory_order_relaxed) != parsing;
        frontShare_ = helperFirst ? std::max(0.05, frontShare_ - step) : std::min(0.95, frontShare_ + step);
    }
    release_.store(front_.stopped ? drop : use, std::memory_order_release);
    release_.notify_one();
    backParsed_.wait(parsing, std::memory_order_acquire);
    if (backParsed_.load(std::memory_order_acquire) == failed) {
        finish();
    }
    return back_;
}

void RowsInTwo::finish()
{
    join();
    if (std::exception_ptr failure = std::exchange(failure_, nullptr)) {
        try {
            std::rethrow_exception(failure);
        } catch (const std::bad_alloc&) {
            if (!RecoverableAllocations::active()) {
                reportOutOfMemory();
            }
            throw;
        }
    }
}

void RowsInTwo::abandon()
{
    join();
    failure_ = nullptr;
}

void RowsInTwo::join()
{
    if (posted_) {
        if (release_.load(std::memory_order_relaxed) == pending) {
            cancel_.store(true, std::memory_order_relaxed);
            release_.store(drop, std::memory_order_release);
            release_.notify_one();
        }
        const uint32_t posted = jobs_.load(std::memory_order_relaxed);
        for (uint32_t d = done_.load(std::memory_order_acquire); d != posted;
             d = done_.load(std::memory_order_acquire)) {
            done_.wait(d, std::memory_order_acquire);
        }
        posted_ = false;
    }
}

}  // namespace kvx
