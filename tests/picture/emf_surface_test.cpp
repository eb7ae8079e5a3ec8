#include "picture/emf_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "model/app_context.h"
#include "window/plot.h"
#include "render/plot_painter.h"
#include "settings/keywords.h"
#include "picture/emf_file.h"
#include "support/fake_text_measurer.h"
#include "support/temp_dir.h"
#include "support/test_picture.h"

namespace kvx {
namespace {

using test::FakeMeasurer;

uint32_t u32At(const std::string& bytes, size_t offset)
{
    uint32_t v = 0;
    std::memcpy(&v, bytes.data() + offset, 4);  // the tests run little-endian
    return v;
}

struct Record {
    uint32_t type = 0;
    size_t offset = 0;
    uint32_t size = 0;
    // The 32-bit fields after type and size.
    int32_t field(const std::string& bytes, size_t k) const
    {
        return static_cast<int32_t>(u32At(bytes, offset + 8 + 4 * k));
    }
};

// The records from the header to EMR_EOF; a record that is too short, not a
// multiple of four or runs past the end fails the test.
std::vector<Record> parseRecords(const std::string& bytes)
{
    std::vector<Record> out;
    size_t offset = 0;
    while (offset + 8 <= bytes.size()) {
        const Record r{u32At(bytes, offset), offset, u32At(bytes, offset + 4)};
        if (r.size < 8 || r.size % 4 != 0 || offset + r.size > bytes.size()) {
            ADD_FAILURE() << "bad record size " << r.size << " at " << offset;
            return out;
        }
        out.push_back(r);
        offset += r.size;
        if (r.type == emr::eof) {
            EXPECT_EQ(offset, bytes.size()) << "bytes after EMR_EOF";
            return out;
        }
    }
    ADD_FAILURE() << "no EMR_EOF";
    return out;
}

std::u16string descriptionOf(const std::string& bytes)
{
    const uint32_t units = u32At(bytes, 60);
    const uint32_t offset = u32At(bytes, 64);
    std::u16string text(units, u'\0');
    std::memcpy(text.data(), bytes.data() + offset, 2 * units);
    return text;
}

// Plays the object records: every handle created once before it is used,
// never deleted while selected (also in a saved context), all deleted at the end.
void expectObjectsBalanced(const std::string& bytes, const std::vector<Record>& records)
{
    std::map<uint32_t, int> kindOf;  // live own objects: handle -> kind
    std::map<int, uint32_t> selected;
    std::vector<std::map<int, uint32_t>> saved;
    uint32_t highest = 0;
    const auto stockKind = [](uint32_t n) { return n <= 5 ? 1 : n <= 8 ? 0 : 2; };
    for (const Record& r : records) {
        const uint32_t handle = static_cast<uint32_t>(r.field(bytes, 0));
        const int created = r.type == emr::extCreatePen ? 0
                            : r.type == emr::createBrushIndirect ? 1
                            : r.type == emr::extCreateFontIndirectW ? 2
                                                                    : -1;
        if (created >= 0) {
            EXPECT_FALSE(kindOf.contains(handle)) << "handle " << handle << " created twice";
            kindOf[handle] = created;
            highest = std::max(highest, handle);
        } else if (r.type == emr::selectObject) {
            if (handle & emr::stockObject) {
                selected[stockKind(handle & 0xFF)] = handle;
            } else {
                ASSERT_TRUE(kindOf.contains(handle)) << "selected unknown handle " << handle;
                selected[kindOf[handle]] = handle;
            }
        } else if (r.type == emr::deleteObject) {
            ASSERT_TRUE(kindOf.contains(handle)) << "deleted unknown handle " << handle;
            for (const auto& state : saved) {
                for (const auto& [kind, h] : state) {
                    EXPECT_NE(h, handle) << "deleted an object a saved context holds";
                }
            }
            EXPECT_NE(selected[kindOf[handle]], handle) << "deleted a selected object";
            kindOf.erase(handle);
        } else if (r.type == emr::saveDc) {
            saved.push_back(selected);
        } else if (r.type == emr::restoreDc) {
            ASSERT_FALSE(saved.empty());
            selected = saved.back();
            saved.pop_back();
        }
    }
    EXPECT_TRUE(kindOf.empty()) << kindOf.size() << " objects never deleted";
    EXPECT_TRUE(saved.empty()) << "a saved context was never restored";
    EXPECT_GT(u32At(bytes, 56) & 0xFFFF, highest);
}

TEST(EmfFile, PaintedPlotIsAWellFormedMetafile)
{
    AppContext context;  // the plot is window 1, whatever ran before
    Plot plot("Oscillation");
    plot.setClientSize(640, 520);
    plot.setLables("time", "height", "title");
    plot.ensureGraphs(2);
    for (int i = 0; i <= 20; ++i) {
        plot.graph(1).append(i, std::sin(i / 3.0));
        plot.graph(2).append(i, std::cos(i / 3.0));
    }
    plot.graph(2).setPen(DASH, 1, 3);
    plot.graph(1).setPen(SOLID, 3, 2);
    plot.axes().setRange(0, 20, -1, 1, false);
    plot.axes().setTicks({{5, 0.5}, {1, 0.1}});

    test::TempDir dir;
    const std::string path = dir.file("plot.emf");
    EmfFile file(path, 640, 520, std::make_unique<FakeMeasurer>(), "Kvx - " + plot.caption());
    PlotView view;
    view.width = 640;
    view.height = 520;
    PlotPainter(file.surface(), plot, view).paintPlot();
    ASSERT_TRUE(file.finish());
    file.surface().lineTo(5, 5);  // nothing changes after finish
    EXPECT_TRUE(file.finish());
    const std::string bytes = test::readFile(path);

    const std::vector<Record> records = parseRecords(bytes);
    ASSERT_GT(records.size(), 10u);
    // The header: bounds in pixels and frame in 0.01 mm, both inclusive;
    // the screen at 96 pixels per inch as reference device.
    ASSERT_EQ(records[0].type, emr::header);
    const Record& header = records[0];
    std::vector<int32_t> head;
    for (size_t k = 0; k < 8; ++k) {
        head.push_back(header.field(bytes, k));
    }
    EXPECT_EQ(head, (std::vector<int32_t>{0, 0, 639, 519, 0, 0, 16932, 13757}));
    EXPECT_EQ(u32At(bytes, 40), 0x464D4520u);
    EXPECT_EQ(u32At(bytes, 48), bytes.size());
    EXPECT_EQ(u32At(bytes, 52), records.size());
    EXPECT_EQ(header.field(bytes, 16), 640);
    EXPECT_EQ(header.field(bytes, 17), 520);
    EXPECT_EQ(header.field(bytes, 18), 169);
    EXPECT_EQ(header.field(bytes, 19), 138);
    // The plot's number depends on the plots that the tests before made.
    const std::string title = "Kvx - #" + std::to_string(plot.plotNumber()) + ": Oscillation";
    EXPECT_EQ(descriptionOf(bytes), std::u16string(title.begin(), title.end()) + u'\0' + u'\0');

    expectObjectsBalanced(bytes, records);

    // The graphs are drawn inside one clip to the plot rectangle, removed after.
    std::vector<uint32_t> types;
    for (const Record& r : records) {
        types.push_back(r.type);
    }
    const auto save = std::find(types.begin(), types.end(), emr::saveDc);
    ASSERT_NE(save, types.end());
    ASSERT_EQ(save[1], emr::intersectClipRect);
    const Record& clip = records[static_cast<size_t>(save - types.begin()) + 1];
    const DeviceRect& r = view.plotRect;
    EXPECT_EQ(clip.field(bytes, 0), r.left * emfUnitsPerPixel);
    EXPECT_EQ(clip.field(bytes, 3), r.bottom * emfUnitsPerPixel);
    const auto restore = std::find(save, types.end(), emr::restoreDc);
    ASSERT_NE(restore, types.end());
    EXPECT_GE(std::count(save, restore, emr::lineTo), 2 * 20);
    EXPECT_EQ(std::count(types.begin(), types.end(), emr::saveDc), 1);
    EXPECT_EQ(std::count(types.begin(), types.end(), emr::restoreDc), 1);

    // Texts carry one measured advance per character; the y label turns.
    int texts = 0;
    for (const Record& t : records) {
        if (t.type != emr::extTextOutW) {
            continue;
        }
        ++texts;
        const uint32_t chars = u32At(bytes, t.offset + 44);
        const uint32_t offDx = u32At(bytes, t.offset + 72);
        for (uint32_t k = 0; k < chars; ++k) {
            EXPECT_EQ(u32At(bytes, t.offset + offDx + 4 * k), 10u * emfUnitsPerPixel);
        }
    }
    EXPECT_GE(texts, 3);
    bool turned = false;
    for (const Record& f : records) {
        turned = turned || (f.type == emr::extCreateFontIndirectW && f.field(bytes, 3) == 900);
    }
    EXPECT_TRUE(turned);
}

TEST(EmfSurface, DashedPensOfOnePixelAreStockStylesAndWiderOnesTheirOwnPattern)
{
    // LibreOffice draws pens of the user's own style solid, the stock styles dashed.
    FakeMeasurer measurer;
    EmfSurface emf(100, 80, measurer);
    for (const Pen& pen : {Pen{PenStyle::Dash, 1, 0}, Pen{PenStyle::Dot, 1, 0}, Pen{PenStyle::DashDot, 1, 0},
                           Pen{PenStyle::Dash, 7, 0}}) {
        emf.selectPen(pen);
        emf.moveTo(0, 10);
        emf.lineTo(90, 10);
        emf.moveTo(0, 0);  // not joined to the next line
    }
    const std::string& bytes = emf.finish();
    std::vector<std::vector<int32_t>> pens;  // style and the pattern
    for (const Record& r : parseRecords(bytes)) {
        if (r.type == emr::extCreatePen) {
            std::vector<int32_t> pen{r.field(bytes, 5) & 0xF, r.field(bytes, 5) & 0x10000, r.field(bytes, 6)};
            for (int32_t k = 0; k < r.field(bytes, 10); ++k) {
                pen.push_back(r.field(bytes, 11 + k));
            }
            pens.push_back(pen);
        }
    }
    const int32_t geometric = 0x10000, pixel = emfUnitsPerPixel;
    EXPECT_EQ(pens, (std::vector<std::vector<int32_t>>{{1, geometric, pixel},
                                                        {2, geometric, pixel},
                                                        {3, geometric, pixel},
                                                        {7, geometric, 7 * pixel, 7 * 18 * pixel, 7 * 6 * pixel}}));
}

TEST(EmfSurface, InvertModeDrawingLeavesNoRecord)
{
    FakeMeasurer measurer;
    EmfSurface plain(100, 80, measurer);
    EmfSurface inverted(100, 80, measurer);
    inverted.selectPen({PenStyle::Solid, 1, rgb(0, 0, 0)});
    test::drawInvertedShapes(inverted);
    EXPECT_EQ(inverted.finish(), plain.finish());
    EXPECT_EQ(parseRecords(plain.finish()).size(), 5u);  // header, mapping, EOF
}

}  // namespace
}  // namespace kvx
