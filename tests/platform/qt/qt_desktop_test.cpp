#include "platform/qt/qt_desktop.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace kvx {
namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool onTop = false;
    Qt::WindowModality modality = Qt::NonModal;
    QSize iconSize;
};

// Waits for the modal box, notes what it shows and presses `press`.
void answerNextBox(SeenBox& seen, QMessageBox::StandardButton press)
{
    QTimer::singleShot(0, [&seen, press]() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            answerNextBox(seen, press);
            return;
        }
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        seen.modality = box->windowModality();
        seen.iconSize = box->iconPixmap().size();
        box->button(press)->click();
    });
}

TEST(QtDesktop, ShowsAModalBoxAndReturnsTheButton)
{
    QtDesktop desktop(false);
    MessageBoxRequest request;
    request.text = "Really want to close the Session windows ?";
    request.caption = "Kurvex";
    request.icon = BoxIcon::Question;
    request.buttons = BoxButtons::YesNo;
    SeenBox seen;
    answerNextBox(seen, QMessageBox::No);
    EXPECT_EQ(desktop.showMessageBox(request), BoxResult::No);
    EXPECT_EQ(seen.title, "Kurvex");
    EXPECT_EQ(seen.text, "Really want to close the Session windows ?");
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(seen.modality, Qt::ApplicationModal);
    EXPECT_FALSE(seen.onTop);

    answerNextBox(seen, QMessageBox::Yes);
    EXPECT_EQ(desktop.showMessageBox(request), BoxResult::Yes);
}

TEST(QtDesktop, SystemModalWarningStaysOnTop)
{
    QtDesktop desktop(false);
    MessageBoxRequest request;
    request.text = "Failure reading data at line 3 in\n/tmp/ä.dat !\n";
    request.caption = "Warning";
    request.icon = BoxIcon::Exclamation;
    request.systemModal = true;
    request.foreground = true;
    SeenBox seen;
    answerNextBox(seen, QMessageBox::Ok);
    EXPECT_EQ(desktop.showMessageBox(request), BoxResult::Ok);
    EXPECT_EQ(seen.text, QString::fromUtf8(request.text.c_str()));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    EXPECT_TRUE(seen.onTop);

    request.icon = BoxIcon::Information;
    answerNextBox(seen, QMessageBox::Ok);
    desktop.showMessageBox(request);
    EXPECT_EQ(seen.icon, QMessageBox::Information);
}

TEST(QtDesktop, ProgramIconShowsTheKvxImage)
{
    QtDesktop desktop(false);
    MessageBoxRequest request;
    request.text = "2D data plotting environment, version 1.0";
    request.caption = "About Kurvex";
    request.icon = BoxIcon::Program;
    SeenBox seen;
    answerNextBox(seen, QMessageBox::Ok);
    EXPECT_EQ(desktop.showMessageBox(request), BoxResult::Ok);
    EXPECT_EQ(seen.title, "About Kurvex");
    EXPECT_EQ(seen.iconSize, QSize(48, 48));
}

TEST(QtDesktop, BatchModePrintsTheBoxAndAnswersOk)
{
    QtDesktop desktop(true);
    MessageBoxRequest request;
    request.text = "Really?\n";
    request.caption = "Kurvex";
    request.buttons = BoxButtons::YesNo;
    testing::internal::CaptureStderr();
    const BoxResult result = desktop.showMessageBox(request);
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, BoxResult::Ok);
    EXPECT_EQ(printed, "Kurvex: Really?\n");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(QtDesktop, ProcessOneMessageHandlesWhatWaitsAndSaysWhenNothingDid)
{
    QtDesktop desktop(false);
    for (int i = 0; i < 100 && desktop.processOneMessage() != 0; ++i) {
    }
    EXPECT_EQ(desktop.processOneMessage(), 0);  // nothing waiting, and no wait either
    bool ran = false;
    desktop.postTask([&ran] { ran = true; });
    EXPECT_EQ(desktop.processOneMessage(), 1);
    EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace kvx
