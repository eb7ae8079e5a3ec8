#include "app/session_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/base_window.h"
#include "model/app_context.h"
#include "support/recording_native_window.h"

namespace kvx {
namespace {

class Window : public BaseWindow {
public:
    using BaseWindow::attachWindow;
    using BaseWindow::setCreated;
    intptr_t handleMessage(uint32_t, uintptr_t, intptr_t) override { return 0; }
};

BaseWindow* fake(int n)
{
    return reinterpret_cast<BaseWindow*>(static_cast<uintptr_t>(0x1000 + 16 * n));
}

TEST(SessionList, NumbersAreNeverReused)
{
    SessionList list;
    EXPECT_EQ(list.add(fake(1)), 1);
    EXPECT_EQ(list.add(fake(2)), 2);
    EXPECT_EQ(list.add(fake(3)), 3);
    EXPECT_TRUE(list.remove(1));
    EXPECT_TRUE(list.remove(2));
    EXPECT_FALSE(list.remove(2));
    EXPECT_EQ(list.numberAt(0), 3);
    EXPECT_EQ(list.numberAt(1), -1);
    EXPECT_EQ(list.add(fake(4)), 4);
    EXPECT_EQ(list.numberOf(fake(4)), 4);
    EXPECT_EQ(list.windowOf(3), fake(3));
    EXPECT_EQ(list.windowOf(1), nullptr);
    EXPECT_EQ(list.count(), 2);
}

TEST(SessionList, HoldsAtMost99Windows)
{
    SessionList list;
    for (int i = 1; i <= 99; ++i) {
        ASSERT_EQ(list.add(fake(i)), i);
    }
    EXPECT_EQ(list.add(fake(100)), -1);
    EXPECT_EQ(list.count(), 99);
    EXPECT_EQ(list.numberOf(fake(100)), -1);
    list.remove(50);
    EXPECT_EQ(list.add(fake(100)), 100);
    EXPECT_EQ(list.numberAt(98), 100);
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.focusOrder(), "[]");
}

TEST(SessionList, FocusOrderLatestFirst)
{
    SessionList list;
    for (int i = 1; i <= 3; ++i) list.add(fake(i));
    list.focused(1);
    list.focused(3);
    list.focused(2);
    EXPECT_EQ(list.focusOrder(), "[2 3 1]");
    list.focused(1);
    EXPECT_EQ(list.focusOrder(), "[1 2 3]");
    // Positions follow the list after a window leaves.
    list.remove(2);
    EXPECT_EQ(list.focusOrder(), "[1 2]");
    // A window that never had the focus is still listed, last.
    list.add(fake(4));
    EXPECT_EQ(list.focusOrder(), "[1 2 3]");
    list.focused(4);
    EXPECT_EQ(list.focusOrder(), "[3 1 2]");
}

TEST(BaseWindow, TitleCaptionAndGeometry)
{
    Window w;
    test::RecordingNativeWindow native;
    w.attachWindow(&native);
    w.setTitle("Data");
    EXPECT_EQ(native.caption, "");  // not created yet
    w.setSize(640, 520);
    EXPECT_TRUE(native.moves.empty());
    w.setCreated(true);
    w.setTitle("");
    EXPECT_EQ(w.windowTitle(), "Data");
    EXPECT_EQ(native.caption, "#-1: Data");  // never listed
    w.setPosition(300, 200);
    EXPECT_TRUE(native.moves.empty());
    w.setSize(500, 400);
    ASSERT_EQ(native.moves.size(), 1u);
    EXPECT_EQ(native.moves[0].x, 300);
    EXPECT_EQ(native.moves[0].height, 400);
    const std::string longTitle(255, 'T');
    w.setTitle(longTitle);
    EXPECT_EQ(native.caption, "#-1: " + longTitle);
}

TEST(BaseWindow, CascadePlacement)
{
    AppContext context;
    Window first;
    first.cascadePosition();
    first.becomeCascadeOrigin();
    EXPECT_EQ(first.xWinPos(), 80);
    EXPECT_EQ(first.yWinPos(), 80);
    EXPECT_TRUE(first.positionSet());
    Window other;
    other.setPosition(300, 200);
    other.becomeCascadeOrigin();
    Window next;
    next.cascadePosition();
    EXPECT_EQ(next.xWinPos(), 320);
    EXPECT_EQ(next.yWinPos(), 220);
}

TEST(BaseWindow, LeavesTheSessionWhenDestroyed)
{
    struct Listed : Window {
        Listed() { registerInSession(); }
    };
    auto w = std::make_unique<Listed>();
    const int16_t number = w->plotNumber();
    ASSERT_GT(number, 0);
    EXPECT_EQ(sessionList().windowOf(number), w.get());
    w.reset();
    EXPECT_EQ(sessionList().windowOf(number), nullptr);
}

}  // namespace
}  // namespace kvx
