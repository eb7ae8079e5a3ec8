#include "support/recording_desktop.h"

namespace kvx::test {

BoxResult RecordingDesktop::showMessageBox(const MessageBoxRequest& box)
{
    boxes.push_back(box);
    if (!answers.empty()) {
        const BoxResult answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return box.buttons == BoxButtons::YesNo ? BoxResult::Yes : BoxResult::Ok;
}

std::optional<std::string> RecordingDesktop::readUserValue(std::string_view key,
                                                           std::string_view name)
{
    const auto it = userValues.find({std::string(key), std::string(name)});
    if (it == userValues.end()) {
        return std::nullopt;
    }
    return it->second;
}

}  // namespace kvx::test
