#include "window/about_box.h"

#include <string>

#include "app/version.h"
#include "platform/desktop.h"

namespace kvx {

MessageBoxRequest aboutBox(const BaseWindow& window)
{
    // A box with the program's icon and the bitmap "BMP_KURVEX" above the
    // text stands for the dialog "AboutKvx".
    MessageBoxRequest box;
    box.caption = "About Kurvex";
    box.text = "2D data plotting environment, version ";
    box.text += kurvexVersion;
    box.icon = BoxIcon::Program;
    box.picture = BoxPicture::KurvexBitmap;
    box.buttons = BoxButtons::Ok;
    box.owner = window.nativeWindow();
    return box;
}

void showAbout(const BaseWindow& window)
{
    Desktop::current().showMessageBox(aboutBox(window));
}

}  // namespace kvx
