#include "files/data_file_writer.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>
#include <string_view>

#include "model/plot_model.h"
#include "filesystem/replacing_file.h"
#include "settings/keywords.h"

namespace kvx {

namespace {

struct DataLayout {
    int16_t mode = XYY;
    bool attributes = false;  // an attribute column after every y
    bool sharedX = false;     // one x column for all graphs
    bool table = true;        // one line per point index; else one block per graph
};

// Points after the first that start a line or stand alone need the
// attribute column; so does a first point that stands alone, which would
// otherwise come back as the start of a line.
bool needsAttributes(const Graph& g)
{
    return !g.onlyConnected() || (g.numPoints() > 0 && g.attData()[0] == ATT_ISOLATED);
}

bool equalLengths(const PlotModel& plot)
{
    for (const Graph& g : plot.graphs()) {
        if (g.numPoints() != plot.graph(1).numPoints()) {
            return false;
        }
    }
    return true;
}

DataLayout chooseLayout(const PlotModel& plot)
{
    DataLayout layout;
    const Graph& first = plot.graph(1);
    for (const Graph& g : plot.graphs()) {
        layout.attributes = layout.attributes || needsAttributes(g);
    }
    const bool sameLength = equalLengths(plot);
    // Compared bit for bit, so that the x of every graph reads back exactly
    // (0 and -0 stay apart).
    layout.sharedX = sameLength;
    const auto bytes = static_cast<std::size_t>(first.numPoints()) * sizeof(double);
    for (int i = 2; i <= plot.numGraphs() && layout.sharedX; ++i) {
        layout.sharedX = std::memcmp(plot.graph(i).xData(), first.xData(), bytes) == 0;
    }
    layout.table = sameLength;
    if (layout.attributes) {
        layout.mode = layout.sharedX ? XYAYA : XYAXYA;
    } else {
        layout.mode = layout.sharedX ? XYY : XYXY;
    }
    return layout;
}

// Collects the text in a large buffer and hands it to the file in chunks.
class DataOutput {
public:
    explicit DataOutput(ReplacingFile& file)
        : file_(file), buffer_(std::make_unique_for_overwrite<char[]>(bufferSize))
    {
    }

    void real(double value)
    {
        separate();
        advanceTo(formatDataReal(at(), value));
    }
    void integer(int value)
    {
        separate();
        advanceTo(std::to_chars(at(), buffer_.get() + bufferSize, value).ptr);
    }
    void endLine()
    {
        buffer_[used_++] = '\n';
        firstInLine_ = true;
    }
    void line(std::string_view text)
    {
        room(text.size() + 1);
        std::memcpy(buffer_.get() + used_, text.data(), text.size());
        used_ += text.size();
        endLine();
    }
    // True when everything reached the file.
    bool finish()
    {
        flush();
        return ok_;
    }

private:
    static constexpr std::size_t bufferSize = std::size_t{1} << 20;
    // Enough for a separator, a value and the line end.
    static constexpr std::size_t itemSize = dataRealSize + 2;

    char* at() { return buffer_.get() + used_; }
    void advanceTo(const char* end) { used_ = static_cast<std::size_t>(end - buffer_.get()); }
    void separate()
    {
        room(itemSize);
        if (!firstInLine_) {
            buffer_[used_++] = ' ';
        }
        firstInLine_ = false;
    }
    void room(std::size_t bytes)
    {
        if (used_ + bytes > bufferSize) {
            flush();
        }
    }
    void flush()
    {
        if (used_ > 0 && !file_.write(buffer_.get(), used_)) {
            ok_ = false;
        }
        used_ = 0;
    }

    ReplacingFile& file_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    bool firstInLine_ = true;
    bool ok_ = true;
};

void writeTable(const PlotModel& plot, const DataLayout& layout, DataOutput& out)
{
    const int32_t n = plot.graph(1).numPoints();
    for (int32_t i = 0; i < n; ++i) {
        if (layout.sharedX) {
            out.real(plot.graph(1).xData()[i]);
        }
        for (const Graph& g : plot.graphs()) {
            if (!layout.sharedX) {
                out.real(g.xData()[i]);
            }
            out.real(g.yData()[i]);
            if (layout.attributes) {
                out.integer(g.attData()[i]);
            }
        }
        out.endLine();
    }
}

void writeBlocks(const PlotModel& plot, const DataLayout& layout, DataOutput& out)
{
    bool firstBlock = true;
    for (const Graph& g : plot.graphs()) {
        // An empty block cannot be written: "NEW" lines in a row would end
        // the reading with a warning and lose the graphs after them.
        if (g.numPoints() == 0) {
            continue;
        }
        if (!firstBlock) {
            out.line("NEW");
        }
        firstBlock = false;
        for (int32_t i = 0; i < g.numPoints(); ++i) {
            out.real(g.xData()[i]);
            out.real(g.yData()[i]);
            if (layout.attributes) {
                out.integer(g.attData()[i]);
            }
            out.endLine();
        }
    }
}

}  // namespace

std::vector<int16_t> storedGraphOrder(const PlotModel& plot)
{
    std::vector<int16_t> order;
    const bool blocks = plot.numGraphs() > 0 && !equalLengths(plot);
    for (int pass = 0; pass < 2; ++pass) {
        int16_t number = 0;
        for (const Graph& g : plot.graphs()) {
            ++number;
            const bool stored = !blocks || g.numPoints() > 0;
            if (stored == (pass == 0)) {
                order.push_back(number);
            }
        }
    }
    return order;
}

char* formatDataReal(char* out, double value)
{
    char* p = out;
    if (!std::signbit(value)) {
        *p++ = ' ';
    }
    return std::to_chars(p, out + dataRealSize, value, std::chars_format::scientific, 16).ptr;
}

bool writeData(PlotModel& plot, ReplacingFile& file)
{
    if (file.failed()) {
        return false;
    }
    if (plot.numGraphs() == 0) {
        return true;
    }
    const DataLayout layout = chooseLayout(plot);
    DataOutput out(file);
    if (layout.table) {
        writeTable(plot, layout, out);
    } else {
        writeBlocks(plot, layout, out);
    }
    if (!out.finish()) {
        return false;
    }
    plot.files().readMode = layout.mode;
    return true;
}

bool writeData(PlotModel& plot, const std::string& fileName, std::string* reason)
{
    ReplacingFile file(fileName);
    const int16_t mode = plot.files().readMode;
    const bool ok = writeData(plot, file) && file.commit();
    if (!ok) {
        plot.files().readMode = mode;
        if (reason) {
            *reason = file.error();
        }
    }
    return ok;
}

}  // namespace kvx
