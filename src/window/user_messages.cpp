#include "window/user_messages.h"

#include <string>

#include "platform/desktop.h"

namespace kvx {

namespace {

void tellUser(const BaseWindow& window, std::string_view text, BoxIcon icon)
{
    MessageBoxRequest box;
    box.text = std::string(text);
    box.caption = "Kurvex";
    box.icon = icon;
    box.buttons = BoxButtons::Ok;
    box.owner = window.nativeWindow();
    box.foreground = true;
    Desktop::current().showMessageBox(box);
}

}  // namespace

void warnUser(const BaseWindow& window, std::string_view text)
{
    tellUser(window, text, BoxIcon::Exclamation);
}

void informUser(const BaseWindow& window, std::string_view text)
{
    tellUser(window, text, BoxIcon::Information);
}

}  // namespace kvx
