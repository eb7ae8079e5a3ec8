#include "files/data_file_reader.h"

#include <cstdio>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "app/compare_no_case.h"
#include "app/errors.h"
#include "files/line_reader.h"
#include "files/number_rows.h"
#include "files/row_batches.h"
#include "files/number_scanner.h"
#include "files/table_reader.h"
#include "filesystem/path_parts.h"
#include "app/run_state.h"
#include "model/framed_plot.h"
#include "model/plot_busy.h"
#include "platform/desktop.h"
#include "filesystem/regular_file.h"
#include "settings/keywords.h"

namespace kvx {

namespace {

enum class BlockEnd { EndOfFile, NewBlock, Failed };

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
        layout_ = layoutOf(mode_);
    }

    // A whole file.
    DataOutcome read(int32_t start);
    // The lines a growing file appended, from where `position` stands.
    void readMore(DataReadPosition& position);

private:
    // Where graph k finds its values on a line: x in column xStride * k
    // (none in YY), y in column yFirst + yStride * k, and in the modes with
    // attributes its attribute right after y.
    struct Layout {
        std::size_t xStride;
        std::size_t yFirst;
        std::size_t yStride;
        bool hasX;
        bool hasAtt;
    };
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
    // False, with nothing appended, when the line holds fewer values than
    // the block needs.
    bool readLine(std::string_view line, double lineInBlock);
    // The values of a line in column order into `row_`; false when there
    // are too few.
    bool scanLine(std::string_view line);
    void appendLine(double lineInBlock);
    // Graph k's point from the values `row` of a line; `lineX` is x where
    // the line counter is x. Inlined: it runs for every point of a batch.
    [[gnu::always_inline]] static void appendPoint(const Layout& l, Graph& g, std::size_t k, const double* row,
                                                   double lineX);
    static Layout layoutOf(int16_t mode);
    std::size_t columnsNeeded() const;
    // The values a line of the current block must give.
    RowShape rowShape() const;
    // Reads the lines at hand in batches, up to a line that a batch leaves
    // to the line-by-line way; `lineInBlock` counts the lines taken.
    void readBatches(double& lineInBlock);
    void appendRows(const NumberRows& rows, double& lineInBlock);
    // The same for a layout whose choices are known when compiled, so that
    // they cost nothing per point.
    template <bool hasX, bool hasAtt>
    void appendRowsAs(const NumberRows& rows, double& lineInBlock);
    void blankSeen();
    void warn(unsigned code, const std::string& extra);
    std::string named() const { return "\n" + fileName_ + " !"; }
    std::string atLine() const { return "at line " + std::to_string(lineNumber()) + " in" + named(); }

    PlotModel& plot_;
    const BaseWindow& frame_;  // the window the warnings belong to
    LineReader& lines_;
    const std::string& fileName_;
    int16_t mode_;
    std::vector<Graph*> graphs_;  // the graphs of the current block, in column order
    Layout layout_;
    // The values of the line at hand, attributes among them, and which
    // of them a lone sign left blank.
    std::vector<double> row_;
    std::vector<uint8_t> blank_;
    bool lineHasBlank_ = false;
    bool blankReported_ = false;
    bool refused_ = false;  // a block's first line had no numbers or a count the mode cannot take
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

DataOutcome DataReader::read(int32_t start)
{
    const PlotBusy busy(plot_);
    DataReadPosition position;
    position.start = start < 1 ? 1 : start;
    const int32_t first = position.start;
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
        if (!beginBlock(line, position)) {
            return refused_ && position.start == first ? DataOutcome::Refused : DataOutcome::Read;
        }
        if (readBlock(line, position.lineInBlock) != BlockEnd::NewBlock) {
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
    return DataOutcome::Read;
}

bool DataReader::beginBlock(std::string_view line, DataReadPosition& position)
{
    position.count = 0;
    position.lineInBlock = 1.0;
    const std::size_t n = NumberScanner::count(line);
    if (n == 0) {
        refused_ = true;
        warn(ERR_NO_DATA, named());
        return false;
    }
    if (const std::string fault = columnFault(n); !fault.empty()) {
        refused_ = true;
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
    blankReported_ = position.blankReported;
    linesBefore_ = position.linesBefore;
    // The room a whole file reserves would be reserved again for every
    // piece: the arrays grow as they fill instead.
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
    position.blankReported = blankReported_;
    position.linesBefore = lineNumber();
}

BlockEnd DataReader::readBlock(std::string_view line, double& lineInBlock)
{
    for (;;) {
        if (!readLine(line, lineInBlock)) {
            warn(ERR_READING_DATA, atLine());
            return BlockEnd::Failed;
        }
        readBatches(lineInBlock);
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
    if (!scanLine(line)) {
        return false;
    }
    appendLine(lineInBlock);
    return true;
}

DataReader::Layout DataReader::layoutOf(int16_t mode)
{
    switch (mode) {
    case XYXY:
        return {2, 1, 2, true, false};
    case XYAXYA:
        return {3, 1, 3, true, true};
    case XYAYA:
        return {0, 1, 2, true, true};
    case YY:
        return {0, 0, 1, false, false};
    default:
        return {0, 1, 1, true, false};
    }
}

std::size_t DataReader::columnsNeeded() const
{
    if (graphs_.empty()) {
        return 1;  // XYAYA with one column: the x alone
    }
    // The last graph's y, and its attribute.
    const std::size_t last = layout_.yFirst + layout_.yStride * (graphs_.size() - 1);
    return last + (layout_.hasAtt ? 2 : 1);
}

RowShape DataReader::rowShape() const
{
    // An attribute follows each graph's y.
    return {columnsNeeded(), layout_.yFirst + 1, layout_.hasAtt ? layout_.yStride : 0};
}

bool DataReader::scanLine(std::string_view line)
{
    const RowShape shape = rowShape();
    const std::size_t needed = shape.perLine;
    row_.resize(needed);
    blank_.resize(needed);
    lineHasBlank_ = false;
    NumberScanner scanner(line);
    for (std::size_t i = 0; i < needed; ++i) {
        const NumberScanner::Result result = scanner.nextValue(shape.isAttribute(i), row_[i]);
        if (result == NumberScanner::Result::Missing) {
            return false;
        }
        blank_[i] = result == NumberScanner::Result::Blank;
        lineHasBlank_ = lineHasBlank_ || blank_[i];
    }
    return true;
}

inline void DataReader::appendPoint(const Layout& l, Graph& g, std::size_t k, const double* row, double lineX)
{
    const double x = l.hasX ? row[l.xStride * k] : lineX;
    const std::size_t y = l.yFirst + l.yStride * k;
    const int32_t a = l.hasAtt ? static_cast<int32_t>(row[y + 1]) : int32_t{ATT_CONNECTED};
    if (a == ATT_CONNECTED) {
        g.append(x, row[y]);
    } else if (a == ATT_NEW_LINE) {
        g.startNewLine();
        g.append(x, row[y]);
    } else {
        g.appendIsolated(x, row[y]);
    }
}

void DataReader::appendLine(double lineInBlock)
{
    // Locals: appending writes memory, which would reload the members.
    const Layout l = layout_;
    const double* const row = row_.data();
    const uint8_t* const blank = blank_.data();
    const bool blanks = lineHasBlank_;
    Graph* const* const graphs = graphs_.data();
    const std::size_t count = graphs_.size();
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t y = l.yFirst + l.yStride * k;
        // A blank value leaves the graph without a point here; its line breaks.
        if (blanks && ((l.hasX && blank[l.xStride * k]) || blank[y] || (l.hasAtt && blank[y + 1]))) {
            graphs[k]->startNewLine();
            continue;
        }
        appendPoint(l, *graphs[k], k, row, lineInBlock);
    }
    if (blanks) {
        blankSeen();
    }
}

void DataReader::readBatches(double& lineInBlock)
{
    // The rows of a batch go straight into the block's graphs.
    class Sink : public RowSink {
    public:
        Sink(DataReader& reader, double& lineInBlock) : reader_(reader), lineInBlock_(lineInBlock) {}
        void append(const NumberRows& rows) override { reader_.appendRows(rows, lineInBlock_); }
        void sample(const NumberRows& rows) override
        {
            if (reader_.mayReserve_) {
                reserveForRest(reader_.graphs_, rows, reader_.columnsNeeded(), reader_.lines_);
                reader_.mayReserve_ = false;
            }
        }

    private:
        DataReader& reader_;
        double& lineInBlock_;
    } sink(*this, lineInBlock);
    const RowShape shape = rowShape();
    readRowBatches(lines_, rows_, [shape](std::string_view text, NumberRows& rows, const std::atomic<bool>* cancel) {
        parseNumberRows(text, shape, rows, cancel);
    }, sink);
}

void DataReader::appendRows(const NumberRows& rows, double& lineInBlock)
{
    if (!layout_.hasX) {
        appendRowsAs<false, false>(rows, lineInBlock);
    } else if (layout_.hasAtt) {
        appendRowsAs<true, true>(rows, lineInBlock);
    } else {
        appendRowsAs<true, false>(rows, lineInBlock);
    }
}

template <bool hasX, bool hasAtt>
void DataReader::appendRowsAs(const NumberRows& rows, double& lineInBlock)
{
    // Locals, as in appendLine.
    Layout l = layout_;
    l.hasX = hasX;
    l.hasAtt = hasAtt;
    Graph* const* const graphs = graphs_.data();
    const std::size_t count = graphs_.size();
    const std::size_t perLine = columnsNeeded();
    const std::size_t total = rows.values.size();
    const double* v = rows.values.data();
    double lineX = lineInBlock;
    for (std::size_t row = 0; row < total; row += perLine) {
        lineX += 1.0;
        for (std::size_t k = 0; k < count; ++k) {
            appendPoint(l, *graphs[k], k, v + row, lineX);
        }
    }
    lineInBlock = lineX;
}

void DataReader::blankSeen()
{
    // One box per file: a file with a blank on every line would otherwise
    // hold the user in front of a box per line.
    if (!blankReported_) {
        blankReported_ = true;
        warn(ERR_READING_DATA, atLine());
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

int16_t readModeFor(std::string_view fileName, int16_t mode)
{
    const PathParts parts = splitPath(fileName);
    if (mode != XYY || !parts.hasExtension()) {
        return mode;
    }
    const std::string_view extension = fileName.substr(parts.extension);
    return compareNoCase(extension, "csv") == 0 || compareNoCase(extension, "tsv") == 0 ? int16_t{COLUMNS} : mode;
}

namespace {

// A whole file's lines, as a table or by the rules of the plot's mode.
DataOutcome readLines(FramedPlot plot, LineReader& lines, const std::string& fileName, int32_t start)
{
    const int16_t mode = readModeFor(fileName, plot.model.files().readMode);
    if (mode == COLUMNS) {
        return readTable(plot, lines, fileName, start);
    }
    return DataReader(plot, lines, fileName, mode).read(start);
}

}  // namespace

DataOutcome readData(FramedPlot plot, std::FILE* file, const std::string& fileName, int32_t start)
{
    LineReader lines(file);
    return readLines(plot, lines, fileName, start);
}

DataOutcome readDataText(FramedPlot plot, std::string_view text, const std::string& fileName, int32_t start)
{
    LineReader lines(text);
    return readLines(plot, lines, fileName, start);
}

void readMoreData(FramedPlot plot, std::string_view lines, const std::string& fileName,
                  DataReadPosition& position)
{
    if (lines.empty()) {
        return;  // an empty view may have no memory behind it to search
    }
    if (position.mode == COLUMNS) {
        readMoreTable(plot, lines, fileName, position);
        return;
    }
    LineReader reader(lines);
    DataReader(plot, reader, fileName, position.mode).readMore(position);
}

}  // namespace kvx
