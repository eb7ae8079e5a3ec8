#include "files/table_reader.h"

#include <cmath>
#include <vector>

#include "app/errors.h"
#include "files/number_rows.h"
#include "files/row_batches.h"
#include "files/table_fields.h"
#include "files/table_rows.h"
#include "model/plot_busy.h"

namespace kvx {

namespace {

// The lines from which the separator is found.
constexpr std::size_t sampleLines = 5;

class TableReader : private RowSink {
public:
    TableReader(FramedPlot plot, LineReader& lines, const std::string& fileName)
        : plot_(plot.model), frame_(plot.frame), lines_(lines), fileName_(fileName)
    {
    }

    DataOutcome read(int32_t start);
    void readMore(DataReadPosition& position);

private:
    bool nextLine(std::string_view& line);
    bool beginTable(std::string_view line, DataReadPosition& position);
    void selectGraphs(int32_t start, int32_t count);
    void findSeparator();
    void readRow(std::string_view line);
    TableField value(std::string_view field, bool x, double& out, bool& time) const
    {
        return tableField(field, x, separator_ == ';', out, time);
    }
    // Reads the rows at hand in batches, up to a line that they leave to
    // the line-by-line way.
    void readBatches();
    void append(const NumberRows& rows) override;
    void sample(const NumberRows& rows) override;
    void textSeen(std::size_t column);
    void warn(unsigned code, const std::string& extra);
    std::string named() const { return "\n" + fileName_ + " !"; }

    PlotModel& plot_;
    const BaseWindow& frame_;
    LineReader& lines_;
    const std::string& fileName_;
    struct SampleLine {
        std::string text;
        long number;
    };
    std::vector<SampleLine> sample_;  // the first lines, kept to find the separator
    std::size_t sampled_ = 0;         // of them, those handed out again
    long lineNumber_ = 0;             // of the line handed out last
    char separator_ = ' ';
    long linesBefore_ = 0;  // of the earlier reads of a followed file
    bool refused_ = false;   // the first table was turned away
    std::vector<Graph*> graphs_;
    std::size_t columns_ = 0;
    std::vector<std::string_view> fields_;
    std::string scratch_;
    bool timeX_ = false;
    bool textReported_ = false;
    bool extraReported_ = false;
    RowsInTwo rows_{0.4};
    bool mayReserve_ = true;  // only the first whole batch makes room for the rest
};

// The first lines are read ahead to find the separator, then handed out
// again before the rest.
bool TableReader::nextLine(std::string_view& line)
{
    if (sampled_ < sample_.size()) {
        line = sample_[sampled_].text;
        lineNumber_ = sample_[sampled_++].number;
        return true;
    }
    const bool more = lines_.nextContent(line);
    lineNumber_ = linesBefore_ + lines_.lineNumber();
    return more;
}

DataOutcome TableReader::read(int32_t start)
{
    DataReadPosition position;
    position.mode = COLUMNS;
    position.start = start < 1 ? 1 : start;
    readMore(position);
    return refused_ ? DataOutcome::Refused : DataOutcome::Read;
}

// The separator from the first lines of the file (of the first piece of a
// followed one); they are kept to be handed out again.
void TableReader::findSeparator()
{
    std::string_view line;
    while (sample_.size() < sampleLines && lines_.nextContent(line)) {
        sample_.push_back({std::string(line), linesBefore_ + lines_.lineNumber()});
    }
    std::vector<std::string_view> views;
    for (const SampleLine& s : sample_) {
        if (!startsBlock(s.text)) {
            views.emplace_back(s.text);
        }
    }
    // Nothing to go by yet: the next piece of a followed file decides.
    separator_ = sample_.empty() ? char{0} : tableSeparator(views);
}

void TableReader::selectGraphs(int32_t start, int32_t count)
{
    graphs_.clear();
    const auto last = static_cast<int16_t>(start + count - 1);
    plot_.ensureGraphs(last);
    for (int32_t i = start; i <= last; ++i) {
        graphs_.push_back(&plot_.graph(static_cast<int16_t>(i)));
    }
    columns_ = static_cast<std::size_t>(count) + 1;
}

void TableReader::readMore(DataReadPosition& position)
{
    if (position.stopped) {
        return;
    }
    const PlotBusy busy(plot_);
    linesBefore_ = position.linesBefore;
    textReported_ = position.blankReported;
    extraReported_ = position.extraReported;
    separator_ = position.separator;
    if (separator_ == 0) {
        findSeparator();
    }
    if (position.count > 0) {
        selectGraphs(position.start, position.count);
    }
    const int32_t first = position.start;
    std::string_view line;
    while (nextLine(line)) {
        if (startsBlock(line)) {
            position.start += position.count;
            position.count = 0;
            continue;
        }
        if (position.count > 0) {
            readRow(line);
            readBatches();
        } else if (!beginTable(line, position)) {
            refused_ = position.start == first && linesBefore_ == 0;
            position.stopped = true;
            break;
        }
    }
    if (timeX_ && plot_.axes().x().kind() != AxisKind::Time) {
        AxesSystem& axes = plot_.axes();
        const RangeSet r = axes.currentRange();
        axes.setRangeAndKinds(r.x.min, r.x.max, r.y.min, r.y.max, AxisKind::Time, axes.y().kind(), false);
    }
    position.separator = separator_;
    position.blankReported = textReported_;
    position.extraReported = extraReported_;
    position.linesBefore = linesBefore_ + lines_.lineNumber();
}

// The first line of a table: its titles, or its first row.
bool TableReader::beginTable(std::string_view line, DataReadPosition& position)
{
    splitTableFields(line, separator_, fields_, scratch_);
    if (fields_.size() < 2) {
        warn(ERR_MESSAGE, "Not enough data columns for this mode in" + named());
        return false;
    }
    const auto count = static_cast<int32_t>(fields_.size() - 1);
    if (static_cast<int64_t>(position.start) + count - 1 > PlotModel::maxGraphs) {
        warn(ERR_MESSAGE, "Too many graphs for one plot in" + named());
        return false;
    }
    position.count = count;
    selectGraphs(position.start, count);
    bool titles = false;
    for (std::size_t k = 0; k < columns_; ++k) {
        double unused = 0.0;
        bool time = false;
        titles = titles || value(fields_[k], k == 0, unused, time) == TableField::Text;
    }
    if (!titles) {
        readRow(line);
        return true;
    }
    for (std::size_t k = 1; k < columns_; ++k) {
        graphs_[k - 1]->setLable(fields_[k]);
    }
    const bool single = columns_ == 2;
    plot_.setLables(plot_.xLable().empty() ? fields_[0] : std::string_view(plot_.xLable()),
                    single && plot_.yLable().empty() ? fields_[1] : std::string_view(plot_.yLable()),
                    plot_.axesTitle());
    return true;
}

void TableReader::readRow(std::string_view line)
{
    splitTableFields(line, separator_, fields_, scratch_);
    if (fields_.size() > columns_ && !extraReported_) {
        extraReported_ = true;
        warn(ERR_MESSAGE, "More fields than columns, the rest is left out,\nat line " +
                              std::to_string(lineNumber_) + " in" + named());
    }
    double x = 0.0;
    const TableField xField = value(fields_[0], true, x, timeX_);
    if (xField == TableField::Text) {
        textSeen(0);
    }
    for (std::size_t k = 1; k < columns_; ++k) {
        Graph& g = *graphs_[k - 1];
        double y = 0.0;
        bool unused = false;
        const TableField yField = k < fields_.size() ? value(fields_[k], false, y, unused) : TableField::Missing;
        if (yField == TableField::Text) {
            textSeen(k);
        }
        if (xField == TableField::Value && yField == TableField::Value) {
            g.append(x, y);
        } else {
            g.startNewLine();
        }
    }
}

void TableReader::readBatches()
{
    if (sampled_ < sample_.size()) {
        return;  // the first lines are handed out again first
    }
    const TableRowRules rules{separator_, columns_, textReported_, extraReported_};
    readRowBatches(lines_, rows_, [rules](std::string_view text, NumberRows& rows, const std::atomic<bool>* cancel) {
        parseTableRows(text, rules, rows, cancel);
    }, *this);
}

// A missing x breaks every graph's line, a missing y its own.
void TableReader::append(const NumberRows& rows)
{
    timeX_ = timeX_ || rows.timeStamps;
    const std::size_t total = rows.values.size();
    const double* v = rows.values.data();
    for (std::size_t row = 0; row < total; row += columns_) {
        const double x = v[row];
        for (std::size_t k = 1; k < columns_; ++k) {
            const double y = v[row + k];
            if (std::isnan(x) || std::isnan(y)) {
                graphs_[k - 1]->startNewLine();
            } else {
                graphs_[k - 1]->append(x, y);
            }
        }
    }
}

void TableReader::sample(const NumberRows& rows)
{
    if (mayReserve_) {
        reserveForRest(graphs_, rows, columns_, lines_);
        mayReserve_ = false;
    }
}

// One warning per file, for the first field that is no number.
void TableReader::textSeen(std::size_t column)
{
    if (!textReported_) {
        textReported_ = true;
        warn(ERR_READING_DATA, "at line " + std::to_string(lineNumber_) + ", column " +
                                   std::to_string(column + 1) + " in" + named());
    }
}

void TableReader::warn(unsigned code, const std::string& extra)
{
    const PlotBusy::PaintAllowed repaint(plot_);  // behind the box
    reportError(code, extra, true, frame_.nativeWindow());
}

}  // namespace

DataOutcome readTable(FramedPlot plot, LineReader& lines, const std::string& fileName, int32_t start)
{
    return TableReader(plot, lines, fileName).read(start);
}

DataOutcome readTableText(FramedPlot plot, std::string_view text, const std::string& fileName, int32_t start)
{
    LineReader lines(text);
    return readTable(plot, lines, fileName, start);
}

void readMoreTable(FramedPlot plot, std::string_view lines, const std::string& fileName,
                   DataReadPosition& position)
{
    if (lines.empty()) {
        return;  // an empty view may have no memory behind it to search
    }
    LineReader reader(lines);
    TableReader(plot, reader, fileName).readMore(position);
}

}  // namespace kvx
