#include "platform/qt/qt_application.h"

#include <clocale>
#include <cstdlib>

#include <QApplication>

#include "platform/qt/qt_desktop.h"

namespace kvx {

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
    impl_ = std::make_unique<Impl>(argc, argv, batch);
    // Qt adopts the user's locale; numbers in files are always written and
    // read with a decimal point, whatever the user's language.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Kurvex"));
    Desktop::install(&impl_->desktop);
}

QtApplication::~QtApplication()
{
    impl_->desktop.runPostedTasks();
    Desktop::install(nullptr);
}

QtDesktop& QtApplication::desktop()
{
    return impl_->desktop;
}

}  // namespace kvx
