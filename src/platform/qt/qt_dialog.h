#pragma once
// A dialog built from its template: real widgets in a grid, laid out by the
// toolkit, whose controls the dialog's logic reaches by id.

#include <map>

#include <QDialog>

#include "platform/dialog_handler.h"
#include "platform/dialog_template.h"

class QGridLayout;

namespace kvx {

class QtDialog final : public QDialog, public DialogControls {
public:
    QtDialog(const DialogTemplate& dialog, DialogHandler& handler, QWidget* owner);

    // Shows the dialog until its logic ends it: the result given to
    // endDialog, or -1 when it ended otherwise (the program quit meanwhile).
    int run();

    std::string text(int id) const override;
    void setText(int id, std::string_view text) override;
    void selectAllText(int id) override;
    void setReadOnly(int id, bool readOnly) override;
    void setFocus(int id) override;
    void setEnabled(int id, bool enabled) override;
    bool checked(int id) const override;
    void setChecked(int id, bool checked) override;
    void setEntries(int id, const std::vector<std::string>& entries) override;
    void addEntry(int id, std::string_view entry) override;
    int entryCount(int id) const override;
    std::vector<int> selection(int id) const override;
    void setSelection(int id, const std::vector<int>& entries) override;
    void endDialog(int result) override;

    // Escape and the close button are the logic's to answer.
    void reject() override;

protected:
    // The focus the logic gave before the dialog was shown.
    void showEvent(QShowEvent* event) override;

private:
    void build(const std::vector<ControlTemplate>& controls, QGridLayout* grid, QWidget* parent);
    QWidget* make(const ControlTemplate& control, QWidget* parent);
    QWidget* widget(int id) const;
    void used(int id, ControlEvent event);
    QImage drawEntry(int id, int index, int width, int height);

    DialogHandler& handler_;
    std::map<int, QWidget*> controls_;
    bool ended_ = false;
    int result_ = -1;
    int pendingFocus_ = ControlTemplate::noId;
};

}  // namespace kvx
