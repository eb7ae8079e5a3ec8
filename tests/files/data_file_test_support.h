#pragma once
// What the data-file tests share: a plot with a platform window, a desktop
// that records the boxes and the busy flag, and the points of a graph.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "window/plot.h"
#include "support/recording_desktop.h"
#include "support/recording_native_window.h"

namespace kvx::test {

struct Point {
    double x;
    double y;
    int att;
    friend bool operator==(const Point&, const Point&) = default;
};

inline void PrintTo(const Point& p, std::ostream* os)
{
    *os << "(" << p.x << ", " << p.y << " @" << p.att << ")";
}

using Points = std::vector<Point>;

inline Points pointsOf(const Graph& g)
{
    Points points;
    for (int32_t i = 0; i < g.numPoints(); ++i) {
        points.push_back({g.xData()[i], g.yData()[i], g.attData()[i]});
    }
    return points;
}

// The same points, bit for bit (0 and -0 apart).
inline void expectSamePoints(const Graph& a, const Graph& b)
{
    ASSERT_EQ(a.numPoints(), b.numPoints());
    const auto n = static_cast<std::size_t>(a.numPoints());
    EXPECT_EQ(std::memcmp(a.xData(), b.xData(), n * sizeof(double)), 0);
    EXPECT_EQ(std::memcmp(a.yData(), b.yData(), n * sizeof(double)), 0);
    EXPECT_EQ(std::memcmp(a.attData(), b.attData(), n), 0);
}

// The same graphs with the same points.
inline void expectSameGraphs(const Plot& a, const Plot& b)
{
    ASSERT_EQ(a.numGraphs(), b.numGraphs());
    for (int k = 1; k <= a.numGraphs(); ++k) {
        SCOPED_TRACE("graph " + std::to_string(k));
        expectSamePoints(a.graph(k), b.graph(k));
    }
}

// The same lines with CR LF ends, which always go the line-by-line way.
inline std::string withCrLf(std::string_view lf)
{
    std::string crlf;
    for (const char c : lf) {
        crlf += c == '\n' ? "\r\n" : std::string(1, c);
    }
    return crlf;
}

// A plot whose warnings have an owner window.
class WindowedPlot : public Plot {
public:
    WindowedPlot() : Plot("Data") { attachWindow(&native); }
    RecordingNativeWindow native;
};

// Remembers the plot's busy flag whenever a box is shown or a message is
// dispatched.
class BusyWatchingDesktop : public RecordingDesktop {
public:
    const Plot* plot = nullptr;
    std::vector<int> busyAtBox;
    std::vector<int> busyAtMessage;

    BoxResult showMessageBox(const MessageBoxRequest& box) override
    {
        busyAtBox.push_back(plot ? plot->settings().busy : -1);
        return RecordingDesktop::showMessageBox(box);
    }
    int processOneMessage() override
    {
        busyAtMessage.push_back(plot ? plot->settings().busy : -1);
        return RecordingDesktop::processOneMessage();
    }
};

}  // namespace kvx::test
