#pragma once
// A platform window for tests: remembers what the window base asked of it.

#include <string>
#include <vector>

#include "platform/native_window.h"

namespace kvx::test {

class RecordingNativeWindow : public NativeWindow {
public:
    struct Geometry {
        int x, y, width, height;
    };
    std::string caption;
    std::vector<Geometry> moves;

    void setCaption(std::string_view text) override { caption.assign(text); }
    void moveAndResize(int x, int y, int width, int height) override
    {
        moves.push_back({x, y, width, height});
    }
};

}  // namespace kvx::test
