#include "files/data_file_reader.h"

#include <cstdio>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "app/errors.h"
#include "files/line_reader.h"
#include "files/number_rows.h"
#include "files/number_scanner.h"
#include "app/run_state.h"
#include "model/framed_plot.h"
#include "model/plot_busy.h"
#include "platform/desktop.h"
#include "filesystem/regular_file.h"
#include "settings/keywords.h"

namespace kvx {

namespace {

enum class BlockEnd { EndOfFile, NewBlock, Failed };

// Less text than this is read line by line: a second thread would not pay.
constexpr std::size_t smallestBatch = std::size_t{1} << 16;
constexpr std::size_t largestBatch = LineReader::chunkSize;

// One read of one file into one plot.
class DataReader {
public:
    DataReader(FramedPlot plot, LineReader& lines, const std::string& fileName, int16_t mode)
        : plot_(plot.model), frame_(plot.frame), lines_(lines), fileName_(fileName), mode_(mode)
    {
        if (mode_ < XYY || mode_ > YY) {
            // No other layout exists; an unknown mode reads as the default.
            mode_ = XYY;
        }
    }

    // A whole file.
    void read(int32_t start);
    // The lines a growing file appended, from where `position` stands.
    void readMore(DataReadPosition& position);

private:
    // The warning for a column count that the mode cannot take; empty when it fits.
    std::string columnFault(std::size_t n) const;
    std::size_t graphsPerBlock(std::size_t n) const;
    void selectGraphs(int32_t start, std::size_t count);
    // Reads lines from `line` on, counting the block's data lines in `lineInBlock`.
    BlockEnd readBlock(std::string_view line, double& lineInBlock);
    // The first block at the input's start, or the one after a "NEW" line;
    // false when no block is under way afterwards.
    bool beginBlock(std::string_view line, DataReadPosition& position);
    void keep(DataReadPosition& position) const;
    long lineNumber() const { return linesBefore_ + lines_.lineNumber(); }
    // False when a value is missing.
    bool readLine(std::string_view line, double lineInBlock);
    // Whether the lines of the current block may be read in batches:
    // where x is the line counter or attributes decide how points join,
    // they are read line by line.
    bool batchable() const { return mode_ == XYY || mode_ == XYXY; }
    // The numbers a line of the current block gives in these modes.
    std::size_t valuesPerLine() const { return mode_ == XYY ? graphs_.size() + 1 : graphs_.size() * 2; }
    // Reads the lines at hand in batches, up to a line that a batch leaves
    // to the line-by-line way.
    void readBatches();
    void appendRows(const NumberRows& rows);
    // Makes room for the points the rest of the input will bring, judged
    // from a sample of its first lines.
    void reserveFor(const NumberRows& sample);
    bool real(NumberScanner& scanner, double& value);
    bool attribute(NumberScanner& scanner, int32_t& value);
    void conversionFailed();
    void warn(unsigned code, const std::string& extra);
    std::string named() const { return "\n" + fileName_ + " !"; }

    PlotModel& plot_;
    const BaseWindow& frame_;  // the window the warnings belong to
    LineReader& lines_;
    const std::string& fileName_;
    int16_t mode_;
    std::vector<Graph*> graphs_;  // the graphs of the current block, in column order
    // A number that cannot be converted leaves these as they were.
    double x_ = 0.0;
    double y_ = 0.0;
    int32_t att_ = 0;
    bool conversionReported_ = false;
    long linesBefore_ = 0;
    // The calling thread also appends the points and reads the file, so it
    // starts with the smaller part.
    RowsInTwo rows_{0.4};
    // Only the first batch of a file whose front part runs whole reserves,
    // for as many points as the rest of the file would bring in its block:
    // for a file of several blocks that is too many, of which only the
    // attribute bytes (one per point) are ever touched, once.
    bool mayReserve_ = true;
};

std::string DataReader::columnFault(std::size_t n) const
{
    bool fits = true;
    switch (mode_) {
    case XYY:
        if (n < 2) {
            return "Not enough data columns for this mode in" + named();
        }
        break;
    case XYXY:
        fits = n % 2 == 0;
        break;
    case XYAXYA:
        fits = n % 3 == 0;
        break;
    case XYAYA:
        fits = n % 2 == 1;
        break;
    default:
        break;
    }
    if (fits) {
        return {};
    }
    return "Not enough or wrong number of data columns\nfor this mode in" + named();
}

std::size_t DataReader::graphsPerBlock(std::size_t n) const
{
    switch (mode_) {
    case XYXY:
        return n / 2;
    case XYAXYA:
        return n / 3;
    case XYAYA:
        return (n - 1) / 2;
    case YY:
        return n;
    default:
        return n - 1;
    }
}

void DataReader::selectGraphs(int32_t start, std::size_t count)
{
    graphs_.clear();
    if (count == 0) {
        return;
    }
    const auto last = static_cast<int16_t>(start + static_cast<int32_t>(count) - 1);
    plot_.ensureGraphs(last);
    for (int32_t i = start; i <= last; ++i) {
        graphs_.push_back(&plot_.graph(static_cast<int16_t>(i)));
    }
}

void DataReader::read(int32_t start)
{
    const PlotBusy busy(plot_);
    DataReadPosition position;
    position.start = start < 1 ? 1 : start;
    bool dataSeen = false;
    std::string_view line;
    for (;;) {
        if (!lines_.nextContent(line)) {
            if (dataSeen) {
                warn(ERR_UNEXPECTED_EOF, named());
            }
            break;
        }
        dataSeen = true;
        if (startsBlock(line) && !lines_.nextContent(line)) {
            line = {};
        }
        if (!beginBlock(line, position) || readBlock(line, position.lineInBlock) != BlockEnd::NewBlock) {
            break;
        }
        position.start += position.count;
        if (mode_ == YY) {
            Desktop::current().processOneMessage();
            if (runState() == RUN_QUIT) {
                break;  // the session ended meanwhile: nothing will show the rest
            }
        }
    }
}

bool DataReader::beginBlock(std::string_view line, DataReadPosition& position)
{
    position.count = 0;
    position.lineInBlock = 1.0;
    const std::size_t n = NumberScanner::count(line);
    if (n == 0) {
        warn(ERR_NO_DATA, named());
        return false;
    }
    if (const std::string fault = columnFault(n); !fault.empty()) {
        warn(ERR_MESSAGE, fault);
        return false;
    }
    const std::size_t count = graphsPerBlock(n);
    // Counted in 64 bits: a single line may hold millions of columns.
    if (static_cast<int64_t>(position.start) + static_cast<int64_t>(count) - 1 > PlotModel::maxGraphs) {
        warn(ERR_MESSAGE, "Too many graphs for one plot in" + named());
        return false;
    }
    position.count = static_cast<int32_t>(count);
    selectGraphs(position.start, count);
    return true;
}

void DataReader::readMore(DataReadPosition& position)
{
    if (position.stopped) {
        return;
    }
    const PlotBusy busy(plot_);
    x_ = position.x;
    y_ = position.y;
    att_ = position.att;
    conversionReported_ = position.conversionReported;
    linesBefore_ = position.linesBefore;
    // The room a whole file reserves would be reserved again for every
    // piece: the arrays grow by doubling instead.
    mayReserve_ = false;
    if (position.count > 0) {
        selectGraphs(position.start, static_cast<std::size_t>(position.count));
    }
    std::string_view line;
    while (lines_.nextContent(line)) {
        if (position.count == 0) {
            // As in a whole read, one "NEW" line may stand before a block's first line.
            if (startsBlock(line) && !position.newSkipped) {
                position.newSkipped = true;
                continue;
            }
            position.newSkipped = false;
            if (!beginBlock(line, position)) {
                position.stopped = true;
                break;
            }
        } else if (startsBlock(line)) {
            // The last read ended with the block's last line.
            position.start += position.count;
            position.count = 0;
            continue;
        } else {
            position.lineInBlock += 1.0;
        }
        const BlockEnd end = readBlock(line, position.lineInBlock);
        if (end == BlockEnd::Failed) {
            position.stopped = true;
            break;
        }
        if (end == BlockEnd::NewBlock) {
            position.start += position.count;
            position.count = 0;
        }
    }
    keep(position);
}

void DataReader::keep(DataReadPosition& position) const
{
    position.x = x_;
    position.y = y_;
    position.att = att_;
    position.conversionReported = conversionReported_;
    position.linesBefore = lineNumber();
}

BlockEnd DataReader::readBlock(std::string_view line, double& lineInBlock)
{
    const bool batches = batchable();
    for (;;) {
        if (!readLine(line, lineInBlock)) {
            warn(ERR_READING_DATA,
                 "at line " + std::to_string(lineNumber()) + " in\n" + fileName_ + " !");
            return BlockEnd::Failed;
        }
        if (batches) {
            readBatches();
        }
        if (!lines_.nextContent(line)) {
            return BlockEnd::EndOfFile;
        }
        if (startsBlock(line)) {
            return BlockEnd::NewBlock;
        }
        lineInBlock += 1.0;
    }
}

bool DataReader::readLine(std::string_view line, double lineInBlock)
{
    NumberScanner scanner(line);
    switch (mode_) {
    case XYXY:
        for (Graph* g : graphs_) {
            if (!real(scanner, x_) || !real(scanner, y_)) {
                return false;
            }
            g->append(x_, y_);
        }
        return true;
    case XYAXYA:
    case XYAYA:
        if (mode_ == XYAYA && !real(scanner, x_)) {
            return false;
        }
        for (Graph* g : graphs_) {
            if ((mode_ == XYAXYA && !real(scanner, x_)) || !real(scanner, y_) ||
                !attribute(scanner, att_)) {
                return false;
            }
            if (att_ == ATT_CONNECTED) {
                g->append(x_, y_);
            } else if (att_ == ATT_NEW_LINE) {
                g->startNewLine();
                g->append(x_, y_);
            } else {
                g->appendIsolated(x_, y_);
            }
        }
        return true;
    case YY:
        for (Graph* g : graphs_) {
            if (!real(scanner, y_)) {
                return false;
            }
            g->append(lineInBlock, y_);
        }
        return true;
    default:
        if (!real(scanner, x_)) {
            return false;
        }
        for (Graph* g : graphs_) {
            if (!real(scanner, y_)) {
                return false;
            }
            g->append(x_, y_);
        }
        return true;
    }
}

void DataReader::readBatches()
{
    const std::size_t perLine = valuesPerLine();
    for (;;) {
        const std::string_view text = lines_.linesAtHand(smallestBatch, largestBatch);
        if (text.size() < smallestBatch) {
            return;
        }
        const NumberRows& front = rows_.front(text, perLine);
        if (mayReserve_ && !front.stopped) {
            reserveFor(front);
            mayReserve_ = false;
        }
        appendRows(front);
        lines_.skipLines(front.bytes, front.lines);
        // The line reader may move its buffer only once the back part is done with it.
        const NumberRows& back = rows_.back();
        if (front.stopped) {
            return;
        }
        appendRows(back);
        lines_.skipLines(back.bytes, back.lines);
        if (back.stopped) {
            return;
        }
    }
}

void DataReader::appendRows(const NumberRows& rows)
{
    const std::size_t count = graphs_.size();
    const std::size_t perLine = valuesPerLine();
    const std::size_t total = rows.values.size();
    if (total == 0) {
        return;
    }
    const double* v = rows.values.data();
    for (std::size_t row = 0; row < total; row += perLine) {
        if (mode_ == XYY) {
            for (std::size_t k = 0; k < count; ++k) {
                graphs_[k]->append(v[row], v[row + 1 + k]);
            }
        } else {
            for (std::size_t k = 0; k < count; ++k) {
                graphs_[k]->append(v[row + 2 * k], v[row + 2 * k + 1]);
            }
        }
    }
    // The last values read stay for a number that cannot be converted later.
    x_ = v[total - (mode_ == XYY ? perLine : 2)];
    y_ = v[total - 1];
}

void DataReader::reserveFor(const NumberRows& sample)
{
    // The sample is still part of what is left.
    const std::optional<std::uint64_t> left = lines_.bytesLeft();
    const std::size_t bytes = sample.bytes;
    if (!left || bytes == 0) {
        return;
    }
    const double rows = static_cast<double>(sample.values.size()) / static_cast<double>(valuesPerLine());
    // A little over the average, so that slightly shorter lines later do
    // not double the arrays for a handful of points.
    const double expected = static_cast<double>(*left) * rows / static_cast<double>(bytes) * 1.01;
    for (Graph* g : graphs_) {
        const double points = static_cast<double>(g->numPoints()) + expected;
        if (points < static_cast<double>(std::numeric_limits<int32_t>::max())) {
            g->reserve(static_cast<int32_t>(points));
        }
    }
}

bool DataReader::real(NumberScanner& scanner, double& value)
{
    const NumberScanner::Result result = scanner.nextReal(value);
    if (result == NumberScanner::Result::Unconvertible) {
        conversionFailed();
    }
    return result != NumberScanner::Result::Missing;
}

bool DataReader::attribute(NumberScanner& scanner, int32_t& value)
{
    const NumberScanner::Result result = scanner.nextInteger(value);
    if (result == NumberScanner::Result::Unconvertible) {
        conversionFailed();
    }
    return result != NumberScanner::Result::Missing;
}

void DataReader::conversionFailed()
{
    // One box per file: a file with such a token on every line would
    // otherwise hold the user in front of a box per line.
    if (!conversionReported_) {
        conversionReported_ = true;
        warn(ERR_READING_DATA, fileName_);
    }
}

void DataReader::warn(unsigned code, const std::string& extra)
{
    const PlotBusy::PaintAllowed repaint(plot_);  // behind the box
    reportError(code, extra, true, frame_.nativeWindow());
}

}  // namespace

bool readData(FramedPlot plot, const std::string& fileName, int32_t start)
{
    // Only a regular file: a FIFO would wait for a writer, a device such as
    // /dev/zero never ends, and a folder has no lines to give.
    const CFile file = openRegularFile(fileName);
    if (!file) {
        return false;
    }
    readData(plot, file.get(), fileName, start);
    return true;
}

void readData(FramedPlot plot, std::FILE* file, const std::string& fileName, int32_t start)
{
    LineReader lines(file);
    DataReader(plot, lines, fileName, plot.model.files().readMode).read(start);
}

void readDataText(FramedPlot plot, std::string_view text, const std::string& fileName, int32_t start)
{
    LineReader lines(text);
    DataReader(plot, lines, fileName, plot.model.files().readMode).read(start);
}

void readMoreData(FramedPlot plot, std::string_view lines, const std::string& fileName,
                  DataReadPosition& position)
{
    if (lines.empty()) {
        return;  // an empty view may have no memory behind it to search
    }
    LineReader reader(lines);
    DataReader(plot, reader, fileName, position.mode).readMore(position);
}

}  // namespace kvx
