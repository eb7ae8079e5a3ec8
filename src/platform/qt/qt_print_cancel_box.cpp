#include "platform/qt/qt_print_cancel_box.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/qt_convert.h"

namespace kvx {

namespace {

class QtPrintCancelBox final : public PrintCancelBox {
public:
    QtPrintCancelBox(QWidget* owner, std::string_view caption)
        : dialog_(new QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint))
    {
        dialog_->setObjectName(QStringLiteral("PrintDlgBox"));
        dialog_->setWindowTitle(toQString(caption));
        dialog_->setWindowModality(Qt::NonModal);
        auto* layout = new QVBoxLayout(dialog_);
        layout->addWidget(new QLabel(QStringLiteral("Cancel Printing"), dialog_), 0, Qt::AlignHCenter);
        auto* buttons = new QDialogButtonBox(dialog_);
        buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
        buttons->setCenterButtons(true);
        layout->addWidget(buttons);
        QObject::connect(buttons, &QDialogButtonBox::rejected, dialog_, &QDialog::reject);
        QObject::connect(dialog_, &QDialog::rejected, dialog_, [this] { cancelled_ = true; });
        // The owner is disabled while its document prints; the box is a
        // window of its own and stays usable.
        dialog_->setEnabled(true);
        dialog_->show();
        dialog_->raise();
    }

    ~QtPrintCancelBox() override
    {
        // A box whose owner went first went with it.
        delete dialog_.data();
    }

    bool cancelled() const override { return cancelled_; }

private:
    QPointer<QDialog> dialog_;
    bool cancelled_ = false;
};

}  // namespace

std::unique_ptr<PrintCancelBox> showQtPrintCancelBox(QWidget* owner, std::string_view caption)
{
    return std::make_unique<QtPrintCancelBox>(owner, caption);
}

}  // namespace kvx
