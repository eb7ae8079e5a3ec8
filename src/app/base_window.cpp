#include "app/base_window.h"

#include "app/session_list.h"
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
