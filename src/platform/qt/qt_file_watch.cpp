#include "platform/qt/qt_file_watch.h"

namespace kvx {

namespace {

// A writer appending thousands of lines a second sends a notification for
// nearly every write: the plot reads them at most this often.
constexpr int burstMilliseconds = 20;

}  // namespace

QtFileWatch::QtFileWatch(std::function<void()> changed) : changed_(std::move(changed))
{
    burst_.setSingleShot(true);
    burst_.setInterval(burstMilliseconds);
    QObject::connect(&burst_, &QTimer::timeout, [this] { fire(); });
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, [this](const QString&) {
        if (!burst_.isActive()) {
            burst_.start();
        }
    });
    fallback_.setInterval(fallbackMilliseconds);
    QObject::connect(&fallback_, &QTimer::timeout, [this] { fire(); });
    again_.setSingleShot(true);
    again_.setInterval(0);
    QObject::connect(&again_, &QTimer::timeout, [this] { fire(); });
}

void QtFileWatch::lookAgainSoon()
{
    again_.start();
}

void QtFileWatch::setPaths(const std::vector<std::string>& paths)
{
    paths_ = paths;
    if (const QStringList old = watcher_.files(); !old.isEmpty()) {
        watcher_.removePaths(old);
    }
    rewatch();
    if (paths_.empty()) {
        fallback_.stop();
    } else if (!fallback_.isActive()) {
        fallback_.start();
    }
}

void QtFileWatch::rewatch()
{
    const QStringList watched = watcher_.files();
    for (const std::string& path : paths_) {
        const QString name = QString::fromStdString(path);
        if (!watched.contains(name)) {
            watcher_.addPath(name);  // fails quietly for a file that is not there
        }
    }
}

void QtFileWatch::fire()
{
    rewatch();
    changed_();
}

}  // namespace kvx
