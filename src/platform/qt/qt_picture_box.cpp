#include "platform/qt/qt_picture_box.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>

namespace kvx {

namespace {

QString picturePath(BoxPicture picture)
{
    switch (picture) {
    case BoxPicture::KurvexBitmap: return QStringLiteral(":/kvx/images/bmp_kurvex.png");
    case BoxPicture::None: break;
    }
    return {};
}

}  // namespace

BoxResult showPictureBox(const MessageBoxRequest& box, QWidget* owner)
{
    QDialog dialog(owner);
    dialog.setWindowTitle(QString::fromUtf8(box.caption));
    dialog.setWindowModality(owner && !box.systemModal ? Qt::WindowModal : Qt::ApplicationModal);

    // The icon top left, the picture beside it, the text below the picture.
    auto* layout = new QGridLayout(&dialog);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (box.icon == BoxIcon::Program) {
        auto* icon = new QLabel(&dialog);
        icon->setPixmap(QPixmap(QStringLiteral(":/kvx/images/kvx_48.png")));
        layout->addWidget(icon, 0, 0, Qt::AlignTop);
    }
    auto* picture = new QLabel(&dialog);
    picture->setPixmap(QPixmap(picturePath(box.picture)));
    layout->addWidget(picture, 0, 1);
    auto* text = new QLabel(&dialog);
    text->setTextFormat(Qt::PlainText);
    text->setText(QString::fromUtf8(box.text));
    layout->addWidget(text, 1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons, 2, 0, 1, 2);

    dialog.exec();
    // OK is the only answer; closing the box answers it too.
    return BoxResult::Ok;
}

}  // namespace kvx
