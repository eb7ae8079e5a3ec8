#include "app/base_window.h"

#include "app/session_list.h"
#include "platform/window_messages.h"
#include "platform/desktop.h"
#include "platform/native_window.h"
#include "settings/default_records.h"

namespace kvx {

BaseWindow::BaseWindow()
{
    const ScreenSize screen = Desktop::current().screenSize();
    screenWidth_ = static_cast<int16_t>(screen.width + 1);
    screenHeight_ = static_cast<int16_t>(screen.height + 1);
}

intptr_t windowProc(BaseWindow* window, uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    // Messages for a window whose object is gone get no handling.
    return window ? window->handleMessage(message, wParam, lParam) : 0;
}

intptr_t BaseWindow::deliverMessage(uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    return windowProc(this, message, wParam, lParam);
}

BaseWindow::~BaseWindow()
{
    // A window object that goes away must not stay listed behind a dangling
    // pointer, whether or not its platform window ever existed.
    SessionList& list = sessionList();
    if (plotNumber_ > 0 && list.windowOf(plotNumber_) == this) {
        list.remove(plotNumber_);
    }
}

void BaseWindow::registerInSession()
{
    plotNumber_ = sessionList().add(this);
}

std::string BaseWindow::caption() const
{
    return "#" + std::to_string(plotNumber_) + ": " + windowTitle_;
}

void BaseWindow::setTitle(std::string_view title)
{
    if (!title.empty()) {
        windowTitle_.assign(title);
    }
    if (created_ && window_) {
        window_->setCaption(caption());
    }
}

void BaseWindow::setPosition(int16_t x, int16_t y)
{
    xWinPos_ = x;
    yWinPos_ = y;
    positionSet_ = true;
}

void BaseWindow::setSize(int16_t width, int16_t height)
{
    xWinSize_ = width;
    yWinSize_ = height;
    if (created_ && window_) {
        window_->moveAndResize(xWinPos_, yWinPos_, xWinSize_, yWinSize_);
    }
}

void BaseWindow::cascadePosition()
{
    const WindowPlacement& p = windowPlacement();
    setPosition(static_cast<int16_t>(p.xWinPos + p.dxWinPos), static_cast<int16_t>(p.yWinPos + p.dyWinPos));
}

void BaseWindow::becomeCascadeOrigin() const
{
    windowPlacement().xWinPos = xWinPos_;
    windowPlacement().yWinPos = yWinPos_;
}

}  // namespace kvx

namespace kvx {

void BaseWindow::show(ShowState state)
{
    if (window_) {
        window_->show(state);
    }
}

void BaseWindow::hide()
{
    if (window_) {
        window_->hide();
    }
}

void BaseWindow::redraw()
{
    if (created_ && window_) {
        handleMessage(MSG_PAINT, 0, 0);
    }
}

void BaseWindow::bringToFront()
{
    if (hasFocus_) {
        return;
    }
    if (window_) {
        window_->bringToFront();  // its focus message stamps the session list
    } else if (plotNumber_ > 0) {
        // Batch mode: no window takes the focus, but the session keeps the
        // order in which its windows would have had it.
        sessionList().focused(plotNumber_);
    } else {
        return;
    }
    focusMovesHere();
}

void BaseWindow::focusMovesHere()
{
    hasFocus_ = true;
    const SessionList& list = sessionList();
    for (int i = 0; i < list.count(); ++i) {
        BaseWindow* other = list.windowOf(list.numberAt(i));
        if (other && other != this) {
            other->hasFocus_ = false;
        }
    }
}

void BaseWindow::readClientSize()
{
    if (window_) {
        const WindowRect client = window_->clientRect();
        setClientSize(static_cast<int16_t>(client.width), static_cast<int16_t>(client.height));
    }
}

void BaseWindow::placeOnScreenGrid(int rows, int columns, int cell)
{
    const int cellWidth = screenWidth_ / columns;
    const int cellHeight = screenHeight_ / rows;
    const int row = (cell + columns - 1) / columns;
    const int column = cell - (row - 1) * columns;
    setPosition(static_cast<int16_t>((column - 1) * cellWidth + 1), static_cast<int16_t>((row - 1) * cellHeight + 1));
    setSize(static_cast<int16_t>(cellWidth), static_cast<int16_t>(cellHeight));
}

}  // namespace kvx
