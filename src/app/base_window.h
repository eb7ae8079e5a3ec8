#pragma once
// The part of a plot that is a top-level window: its number in the session,
// title, position and size, focus flag and the platform window behind it.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/native_window.h"

namespace kvx {

class BaseWindow;

// The entry of every platform window's message: hands it to the window
// object's handleMessage.
intptr_t windowProc(BaseWindow* window, uint32_t message, uintptr_t wParam, intptr_t lParam);

class BaseWindow : public WindowEventSink {
public:
    BaseWindow();
    ~BaseWindow() override;
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;

    // The one entry of every window message.
    virtual intptr_t handleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
    // The platform window's messages arrive here and go through windowProc.
    intptr_t deliverMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;

    int16_t plotNumber() const { return plotNumber_; }
    const std::string& windowTitle() const { return windowTitle_; }
    // "#3: Data" for plot 3 titled Data.
    std::string caption() const;

    // A non-empty title replaces the old one; the caption follows once the
    // window exists.
    void setTitle(std::string_view title);
    // Stores the position; the platform window is not moved.
    void setPosition(int16_t x, int16_t y);
    // Stores the size and, once the window exists, moves and resizes it.
    void setSize(int16_t width, int16_t height);
    // One cascade step beyond the last window position.
    void cascadePosition();
    // The cascade continues from this window's position.
    void becomeCascadeOrigin() const;

    int16_t xWinPos() const { return xWinPos_; }
    int16_t yWinPos() const { return yWinPos_; }
    int16_t xWinSize() const { return xWinSize_; }
    int16_t yWinSize() const { return yWinSize_; }
    bool positionSet() const { return positionSet_; }
    bool created() const { return created_; }
    bool hasFocus() const { return hasFocus_; }
    int16_t clientWidth() const { return clientWidth_; }
    int16_t clientHeight() const { return clientHeight_; }
    int16_t screenWidth() const { return screenWidth_; }
    int16_t screenHeight() const { return screenHeight_; }
    NativeWindow* nativeWindow() const { return window_; }

    // Shows the window in its normal state, minimised or maximised; hides it.
    void show(ShowState state = ShowState::Unchanged);
    void hide();
    // Paints the whole client area at once, not through the message queue.
    void redraw();
    // Makes the window the foreground window unless it has the focus.
    void bringToFront();
    // Stores the client area's size as the platform window reports it.
    void readClientSize();
    // "Auto Screen Position": cell `cell` of a grid of rows x columns over
    // the screen, cells numbered row by row from 1.
    void placeOnScreenGrid(int rows, int columns, int cell);

    // The client area's size, read after creation and after every resize;
    // output to a page or picture sets it for the time of the output.
    void setClientSize(int16_t width, int16_t height)
    {
        clientWidth_ = width;
        clientHeight_ = height;
    }

protected:
    // Lists the window in the session and keeps its number.
    void registerInSession();
    // A platform window that someone else owns (tests), or one this window
    // owns from now on.
    void attachWindow(NativeWindow* window) { window_ = window; }
    void adoptWindow(std::unique_ptr<NativeWindow> window)
    {
        ownedWindow_ = std::move(window);
        window_ = ownedWindow_.get();
    }
    // Gives up the platform window, which the caller disposes of.
    std::unique_ptr<NativeWindow> takeNativeWindow()
    {
        window_ = nullptr;
        return std::move(ownedWindow_);
    }
    // Stores a size the platform window already has.
    void storeSize(int16_t width, int16_t height)
    {
        xWinSize_ = width;
        yWinSize_ = height;
    }
    void setCreated(bool created) { created_ = created; }
    void setHasFocus(bool focus) { hasFocus_ = focus; }
    // A window shown or brought to the front takes the focus from the
    // others. The desktop says so later, by messages; work that brings
    // several windows forward in turn must know it at once.
    void focusMovesHere();

private:
    int16_t screenWidth_ = 0;  // the display's resolution plus 1
    int16_t screenHeight_ = 0;
    std::string windowTitle_;
    NativeWindow* window_ = nullptr;
    std::unique_ptr<NativeWindow> ownedWindow_;
    int16_t plotNumber_ = -1;
    int16_t xWinPos_ = 0;
    int16_t yWinPos_ = 0;
    int16_t xWinSize_ = 0;
    int16_t yWinSize_ = 0;
    bool hasFocus_ = true;
    int16_t clientWidth_ = 0;
    int16_t clientHeight_ = 0;
    bool positionSet_ = false;
    bool created_ = false;
};

}  // namespace kvx
