#include "platform/qt/qt_application.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QApplication>

#include "platform/qt/qt_desktop.h"

namespace kvx {

namespace {

constexpr const char* noDisplay = "no display: use --export OUT or set DISPLAY";

std::string programName;
QtMessageHandler toolkitHandler = nullptr;

// While the toolkit starts, its one fatal error is a display it cannot
// reach: a message and exit code 1 instead of an abort with a core dump.
void startingHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s: %s\n", programName.c_str(), noDisplay);
        std::_Exit(1);
    }
    if (toolkitHandler) {
        toolkitHandler(type, context, text);
    }
}

std::string baseName(const char* path)
{
    const std::string p = path ? path : "kurvex";
    return p.substr(p.rfind('/') + 1);
}

}  // namespace

std::string QtApplication::displayProblem()
{
    const auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v && *v;
    };
    // A chosen platform (offscreen, vnc, ...) needs no display of ours.
    if (set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY")) {
        return {};
    }
    return noDisplay;
}

struct QtApplication::Impl {
    Impl(int& argc, char** argv, bool batch) : app(argc, argv), desktop(batch) {}
    QApplication app;
    QtDesktop desktop;
};

QtApplication::QtApplication(int& argc, char** argv, bool batch)
{
    if (batch) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        // Scripts read standard error line by line: only the program's own
        // messages go there, not the toolkit's notes about its environment.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    }
    if (batch) {
        impl_ = std::make_unique<Impl>(argc, argv, batch);
    } else {
        programName = baseName(argc > 0 ? argv[0] : nullptr);
        toolkitHandler = qInstallMessageHandler(startingHandler);
        impl_ = std::make_unique<Impl>(argc, argv, batch);
        qInstallMessageHandler(toolkitHandler);
    }
    // Qt adopts the user's locale; numbers in files are always written and
    // read with a decimal point, whatever the user's language.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Kurvex"));
}

QtApplication::~QtApplication()
{
    impl_->desktop.runPostedTasks();
}

QtDesktop& QtApplication::desktop()
{
    return impl_->desktop;
}

}  // namespace kvx
