#pragma once
// The file watch on Qt: QFileSystemWatcher's notifications, gathered into one
// call per burst, and a slow timer that also catches files that were
// replaced or created anew, which the notifications lose.

#include <functional>
#include <string>
#include <vector>

#include <QFileSystemWatcher>
#include <QTimer>

#include "platform/file_watch.h"

namespace kvx {

class QtFileWatch : public FileWatch {
public:
    explicit QtFileWatch(std::function<void()> changed);

    void setPaths(const std::vector<std::string>& paths) override;
    void lookAgainSoon() override;

private:
    // Watches the paths the watcher lost, as when a file was replaced.
    void rewatch();
    void fire();

    std::function<void()> changed_;
    std::vector<std::string> paths_;
    QFileSystemWatcher watcher_;
    QTimer burst_;     // gathers the notifications of one burst of writes
    QTimer fallback_;  // looks again now and then
    QTimer again_;     // looks again once the waiting events were handled
};

}  // namespace kvx
