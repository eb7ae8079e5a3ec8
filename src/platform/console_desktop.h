#pragma once
// A desktop without windows: boxes become one line on standard error and are
// answered OK. It stands in until a real desktop is installed and serves
// command-line use.

#include "platform/desktop.h"

namespace kvx {

class ConsoleDesktop : public Desktop {
public:
    BoxResult showMessageBox(const MessageBoxRequest& box) override;
    ScreenSize screenSize() override;
    std::string workingDirectory() override;
    int processOneMessage() override;
    std::optional<std::string> readUserValue(std::string_view key,
                                             std::string_view name) override;
};

}  // namespace kvx
