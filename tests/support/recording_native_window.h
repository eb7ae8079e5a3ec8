#pragma once
// A platform window for tests: remembers what the window code asked of it
// and draws into a recording surface.

#include <map>
#include <string>
#include <vector>

#include "platform/native_window.h"
#include "support/recording_surface.h"

namespace kvx::test {

class RecordingNativeWindow : public NativeWindow {
public:
    struct Geometry {
        int x, y, width, height;
    };
    std::string caption;
    std::vector<Geometry> moves;
    WindowRect rect{0, 0, 640, 520};
    WindowRect client{0, 0, 640, 470};  // below a caption and menu, above a status line
    bool shown = false;
    ShowState showState = ShowState::Normal;
    int frontCount = 0;
    bool enabled = true;
    int presents = 0;
    bool captured = false;
    CursorShape cursor = CursorShape::Cross;
    bool menu = true;
    bool statusLine = true;
    std::map<int, bool> checks;
    std::map<int, ItemState> itemStates;
    std::vector<int> statusEdges;
    std::map<int, std::string> statusTexts;
    RecordingSurface recording;

    void setCaption(std::string_view text) override { caption.assign(text); }
    void moveAndResize(int x, int y, int width, int height) override
    {
        moves.push_back({x, y, width, height});
        rect = {x, y, width, height};
    }
    WindowRect windowRect() override { return rect; }
    WindowRect clientRect() override { return client; }
    void show(ShowState state) override
    {
        shown = true;
        if (state != ShowState::Unchanged) {
            showState = state;
        }
    }
    void hide() override { shown = false; }
    void bringToFront() override { ++frontCount; }
    void setEnabled(bool on) override { enabled = on; }
    Surface& surface() override { return recording; }
    void present() override { ++presents; }
    void captureMouse(bool capture) override { captured = capture; }
    void setCursor(CursorShape shape) override { cursor = shape; }
    bool hasMenu() const override { return menu; }
    void checkMenuItem(int command, bool checked) override { checks[command] = checked; }
    void setMenuItemState(int command, ItemState state) override { itemStates[command] = state; }
    bool hasStatusLine() const override { return statusLine; }
    void setStatusParts(const std::vector<int>& edges) override { statusEdges = edges; }
    void setStatusText(int part, std::string_view text) override
    {
        if (part < static_cast<int>(statusEdges.size())) {
            statusTexts[part] = std::string(text);
        }
    }
};

}  // namespace kvx::test
