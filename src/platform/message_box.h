#pragma once
// A message box as the system asks for it: what it says, how it looks and who owns it.

#include <string>

namespace kvx {

class NativeWindow;

// Program: the program's own icon "Kvx", as the About box shows it.
enum class BoxIcon { Exclamation, Information, Question, Program };
enum class BoxButtons { Ok, YesNo };
// A picture shown beside the icon, above the text. KurvexBitmap: the
// bitmap "BMP_KURVEX" of the About box.
enum class BoxPicture { None, KurvexBitmap };

// The answers keep the platform's classic numbers so that callers comparing
// results against stored values keep working.
enum class BoxResult { None = 0, Ok = 1, Yes = 6, No = 7 };

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    BoxIcon icon = BoxIcon::Exclamation;
    BoxButtons buttons = BoxButtons::Ok;
    BoxPicture picture = BoxPicture::None;
    NativeWindow* owner = nullptr;  // none: the box belongs to no window
    bool systemModal = false;       // stays above every window until closed
    bool foreground = false;        // brought to the front when shown
};

// The one line that batch mode prints instead of showing a box: the caption,
// a colon and the text with its line feeds turned into blanks.
std::string batchMessageLine(const MessageBoxRequest& box);

}  // namespace kvx
