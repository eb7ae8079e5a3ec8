#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_file_watch.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>

#include "platform/console_desktop.h"
#include "platform/qt/qt_dialog.h"
#include "platform/qt/qt_file_dialog.h"
#include "platform/qt/qt_picture_box.h"
#include "platform/qt/qt_picture_files.h"
#include "platform/qt/qt_plot_window.h"
#include "platform/qt/qt_print_cancel_box.h"
#include "platform/qt/qt_print_job.h"
#include "platform/user_key_file.h"

namespace kvx {

namespace {

QMessageBox::Icon toQtIcon(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::Information: return QMessageBox::Information;
    case BoxIcon::Question: return QMessageBox::Question;
    case BoxIcon::Program: return QMessageBox::NoIcon;  // a picture of its own, below
    case BoxIcon::Exclamation: break;
    }
    return QMessageBox::Warning;
}

}  // namespace

BoxResult QtDesktop::showMessageBox(const MessageBoxRequest& box)
{
    if (batch_) {
        return ConsoleDesktop().showMessageBox(box);
    }
    // A box with an owner is modal to that window; a box without one (or a
    // system-modal one) holds every window and stays on top.
    QWidget* owner = qtWidgetOf(box.owner);
    if (box.picture != BoxPicture::None) {
        return showPictureBox(box, owner);
    }
    QMessageBox qbox(owner);
    qbox.setWindowTitle(QString::fromUtf8(box.caption));
    qbox.setText(QString::fromUtf8(box.text));
    qbox.setIcon(toQtIcon(box.icon));
    if (box.icon == BoxIcon::Program) {
        qbox.setIconPixmap(QPixmap(QStringLiteral(":/kvx/images/kvx_48.png")));
    }
    qbox.setTextFormat(Qt::PlainText);
    if (box.buttons == BoxButtons::YesNo) {
        qbox.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        qbox.setDefaultButton(QMessageBox::Yes);
    } else {
        qbox.setStandardButtons(QMessageBox::Ok);
    }
    qbox.setWindowModality(owner && !box.systemModal ? Qt::WindowModal : Qt::ApplicationModal);
    if (box.systemModal) {
        qbox.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    if (box.foreground) {
        qbox.show();
        qbox.raise();
        qbox.activateWindow();
    }
    switch (qbox.exec()) {
    case QMessageBox::Yes: return BoxResult::Yes;
    case QMessageBox::No: return BoxResult::No;
    case QMessageBox::Ok: return BoxResult::Ok;
    default: break;
    }
    // Closed with the window's close button or Escape.
    return box.buttons == BoxButtons::YesNo ? BoxResult::No : BoxResult::Ok;
}

std::optional<std::string> QtDesktop::askFileName(const FileDialogRequest& request)
{
    if (batch_) {
        return std::nullopt;
    }
    return askQtFileName(request, qtWidgetOf(request.owner));
}

bool QtDesktop::setClipboard(const std::vector<ClipboardFormat>& formats)
{
    QClipboard* clipboard = batch_ ? nullptr : QGuiApplication::clipboard();
    if (!clipboard) {
        return false;
    }
    auto data = std::make_unique<QMimeData>();
    for (const ClipboardFormat& format : formats) {
        data->setData(QString::fromStdString(format.mimeType),
                      QByteArray(format.bytes.data(), static_cast<qsizetype>(format.bytes.size())));
    }
    clipboard->setMimeData(data.release());  // the clipboard owns it
    return true;
}

ScreenSize QtDesktop::screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return {800, 800};
    }
    const QSize size = screen->size();
    return {size.width(), size.height()};
}

std::string QtDesktop::workingDirectory()
{
    return QDir::currentPath().toStdString();
}

int QtDesktop::processOneMessage()
{
    // Handles what is waiting, never waits for more; 0 when nothing was.
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (!QCoreApplication::instance() || !dispatcher) {
        return 0;
    }
    return dispatcher->processEvents(QEventLoop::AllEvents) ? 1 : 0;
}

void QtDesktop::waitForMessages(int milliseconds)
{
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (!QCoreApplication::instance() || !dispatcher) {
        return;
    }
    // The timer's event ends the wait when no other event comes first.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(milliseconds);
    dispatcher->processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

std::unique_ptr<NativeWindow> QtDesktop::createWindow(WindowEventSink& sink, const WindowRect& rect,
                                                      const WindowOptions& options)
{
    return createQtPlotWindow(sink, rect, options);
}

std::unique_ptr<PictureFile> QtDesktop::createPictureFile(PictureFormat format, const std::string& path,
                                                          int width, int height, std::string_view title)
{
    return kvx::createPictureFile(format, path, width, height, title);
}

std::unique_ptr<PrintJob> QtDesktop::startPrintJob(std::string_view documentName)
{
    // Batch mode prints into files only (--print-to), never on paper.
    return batch_ ? nullptr : createDefaultPrinterJob(documentName);
}

std::unique_ptr<PrintCancelBox> QtDesktop::showPrintCancelBox(NativeWindow& owner, std::string_view caption)
{
    return batch_ ? nullptr : showQtPrintCancelBox(qtWidgetOf(&owner), caption);
}

int QtDesktop::runMessageLoop()
{
    const int code = QApplication::exec();
    runPostedTasks();
    return code;
}

void QtDesktop::runPostedTasks()
{
    // Tasks posted by the last messages (a closed window's disposal) run
    // while the toolkit is whole; left queued, they would run inside the
    // application object's teardown and destroy windows under it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

void QtDesktop::postQuit(int code)
{
    QCoreApplication::exit(code);
}

void QtDesktop::postTask(std::function<void()> task)
{
    QMetaObject::invokeMethod(qApp, std::move(task), Qt::QueuedConnection);
}

std::unique_ptr<FileWatch> QtDesktop::watchFiles(std::function<void()> changed)
{
    if (batch_) {
        return nullptr;  // a batch run ends before any file grows
    }
    return std::make_unique<QtFileWatch>(std::move(changed));
}

bool QtDesktop::controlKeyDown()
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

bool QtDesktop::shiftKeyDown()
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

std::optional<std::string> QtDesktop::readUserValue(std::string_view key, std::string_view name)
{
    return readUserKeyFile(key, name);
}

int QtDesktop::runDialog(NativeWindow* owner, const DialogTemplate& dialog, DialogHandler& handler)
{
    if (batch_) {
        return -1;  // nobody to answer it
    }
    // The dialog is a child of its owner's window; should that window go
    // while the dialog is open, the dialog goes with it.
    const QPointer<QtDialog> box = new QtDialog(dialog, handler, qtWidgetOf(owner));
    const int result = box->run();
    delete box.data();
    return result;
}

}  // namespace kvx
