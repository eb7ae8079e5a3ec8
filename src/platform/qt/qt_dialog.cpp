#include "platform/qt/qt_dialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_dialog_widgets.h"
#include "platform/qt/qt_image_surface.h"

namespace kvx {

namespace {

// Templates keep their texts as given; blanks at the ends only shifted the
// text in the grids those texts were made for.
QString shownText(const std::string& text)
{
    return toQString(text).trimmed();
}

std::string toUtf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

// One dialog unit across: a quarter of the dialog font's average letter.
int dialogUnits(const QWidget& widget, int units)
{
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double average = widget.fontMetrics().horizontalAdvance(letters) / 52.0;
    return static_cast<int>(units * average / 4.0 + 0.5);
}

// A read-only field looks like the dialog behind it, so it is not taken for
// one to type into.
void showReadOnly(QLineEdit& field, bool readOnly)
{
    field.setReadOnly(readOnly);
    field.setFocusPolicy(readOnly ? Qt::ClickFocus : Qt::StrongFocus);
    QPalette palette = field.parentWidget() ? field.parentWidget()->palette() : field.palette();
    if (readOnly) {
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    }
    field.setPalette(palette);
}

}  // namespace

QtDialog::QtDialog(const DialogTemplate& dialog, DialogHandler& handler, QWidget* owner)
    : QDialog(owner), handler_(handler)
{
    setWindowTitle(toQString(dialog.caption));
    setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    build(dialog.controls, grid, this);
}

void QtDialog::build(const std::vector<ControlTemplate>& controls, QGridLayout* grid, QWidget* parent)
{
    std::vector<std::pair<QLabel*, int>> buddies;
    for (const ControlTemplate& c : controls) {
        if (c.kind == ControlKind::Group) {
            auto* box = new QGroupBox(shownText(c.text), parent);
            auto* inner = new QGridLayout(box);
            build(c.children, inner, box);
            grid->addWidget(box, c.row, c.column, c.rowSpan, c.columnSpan);
        } else if (c.kind == ControlKind::Row) {
            auto* row = new QHBoxLayout;
            row->addStretch(1);
            for (const ControlTemplate& child : c.children) {
                row->addWidget(make(child, parent));
            }
            grid->addLayout(row, c.row, c.column, c.rowSpan, c.columnSpan);
        } else {
            QWidget* w = make(c, parent);
            grid->addWidget(w, c.row, c.column, c.rowSpan, c.columnSpan);
            if (c.kind == ControlKind::Label && c.buddy != ControlTemplate::noId) {
                buddies.emplace_back(static_cast<QLabel*>(w), c.buddy);
            }
        }
    }
    for (const auto& [label, id] : buddies) {
        label->setBuddy(widget(id));
    }
}

QWidget* QtDialog::make(const ControlTemplate& c, QWidget* parent)
{
    QWidget* w = nullptr;
    const int id = c.id;
    switch (c.kind) {
    case ControlKind::Label: w = new QLabel(shownText(c.text), parent); break;
    case ControlKind::Field: {
        auto* field = new QLineEdit(parent);
        if (c.maxLength > 0) {
            field->setMaxLength(c.maxLength);
        }
        if (c.width > 0) {
            field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QString(c.width, u'0')) + 12);
        }
        showReadOnly(*field, c.readOnly);
        w = field;
        break;
    }
    case ControlKind::List:
    case ControlKind::MultiList: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(c.kind == ControlKind::MultiList ? QAbstractItemView::ExtendedSelection
                                                                : QAbstractItemView::SingleSelection);
        if (c.tabStop > 0) {
            list->setItemDelegate(new TabStopDelegate(dialogUnits(*list, c.tabStop), list));
        }
        const int rows = c.height > 0 ? c.height : 8;
        // At least the rows asked for; taller where the controls beside it are.
        list->setMinimumHeight(rows * (list->fontMetrics().height() + 2) + 2 * list->frameWidth());
        list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        if (c.width > 0) {
            list->setMinimumWidth(list->fontMetrics().horizontalAdvance(QString(c.width, u'x')));
        }
        connect(list, &QListWidget::itemSelectionChanged, this, [this, id] { used(id, ControlEvent::SelectionChanged); });
        w = list;
        break;
    }
    case ControlKind::DrawnList: {
        auto painter = [this, id](int index, int width, int height) { return drawEntry(id, index, width, height); };
        auto* combo = new DrawnComboBox(painter, c.height > 0 ? c.height : 15, parent);
        connect(combo, &QComboBox::activated, this, [this, id] { used(id, ControlEvent::SelectionChanged); });
        w = combo;
        break;
    }
    case ControlKind::Check:
    case ControlKind::Radio: {
        QAbstractButton* button = c.kind == ControlKind::Check ? static_cast<QAbstractButton*>(new QCheckBox(parent))
                                                               : new QRadioButton(parent);
        button->setText(shownText(c.text));
        connect(button, &QAbstractButton::clicked, this, [this, id] { used(id, ControlEvent::Clicked); });
        w = button;
        break;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(shownText(c.text), parent);
        button->setDefault(c.isDefault);
        connect(button, &QPushButton::clicked, this, [this, id] { used(id, ControlEvent::Clicked); });
        w = button;
        break;
    }
    case ControlKind::Picture: {
        auto painter = [this, id](int index, int width, int height) { return drawEntry(id, index, width, height); };
        w = new DrawnPicture(painter, c.width, c.height, parent);
        w->setAccessibleName(toQString(c.text));
        break;
    }
    case ControlKind::Group:
    case ControlKind::Row: break;  // containers are built by build()
    }
    if (id != ControlTemplate::noId && w) {
        controls_[id] = w;
    }
    return w;
}

QWidget* QtDialog::widget(int id) const
{
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

void QtDialog::used(int id, ControlEvent event)
{
    if (!ended_) {
        handler_.controlUsed(*this, id, event);
    }
}

QImage QtDialog::drawEntry(int id, int index, int width, int height)
{
    QtImageSurface surface(width, height);
    handler_.drawEntry(surface, id, index, width, height);
    return surface.image().copy();
}

int QtDialog::run()
{
    const QPointer<QtDialog> self(this);
    handler_.opened(*this);
    if (ended_) {
        return result_;  // the logic ended the dialog before it was shown
    }
    const int result = exec();
    return self && ended_ ? result : -1;
}

void QtDialog::reject()
{
    used(IDCANCEL, ControlEvent::Clicked);
}

void QtDialog::endDialog(int result)
{
    ended_ = true;
    result_ = result;
    done(result);
}

std::string QtDialog::text(int id) const
{
    QWidget* w = widget(id);
    if (auto* field = qobject_cast<QLineEdit*>(w)) {
        return toUtf8(field->text());
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return toUtf8(label->text());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        return toUtf8(button->text());
    }
    return {};
}

void QtDialog::setText(int id, std::string_view text)
{
    QWidget* w = widget(id);
    if (auto* field = qobject_cast<QLineEdit*>(w)) {
        field->setText(toQString(text));
        field->setCursorPosition(0);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(toQString(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(toQString(text));
    }
}

void QtDialog::selectAllText(int id)
{
    if (auto* field = qobject_cast<QLineEdit*>(widget(id))) {
        field->selectAll();
    }
}

void QtDialog::setReadOnly(int id, bool readOnly)
{
    if (auto* field = qobject_cast<QLineEdit*>(widget(id))) {
        showReadOnly(*field, readOnly);
    }
}

void QtDialog::setFocus(int id)
{
    if (!isVisible()) {
        pendingFocus_ = id;  // a hidden window takes no focus
        return;
    }
    if (QWidget* w = widget(id)) {
        w->setFocus(Qt::OtherFocusReason);
    }
}

void QtDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (pendingFocus_ != ControlTemplate::noId) {
        if (QWidget* w = widget(std::exchange(pendingFocus_, ControlTemplate::noId))) {
            w->setFocus(Qt::OtherFocusReason);
        }
    }
}

void QtDialog::setEnabled(int id, bool enabled)
{
    if (QWidget* w = widget(id)) {
        w->setEnabled(enabled);
    }
}

bool QtDialog::checked(int id) const
{
    auto* button = qobject_cast<QAbstractButton*>(widget(id));
    return button && button->isChecked();
}

void QtDialog::setChecked(int id, bool checked)
{
    if (auto* button = qobject_cast<QAbstractButton*>(widget(id))) {
        const QSignalBlocker quiet(button);
        button->setChecked(checked);
    }
}

// Filling and selecting from the logic tells the logic nothing, as a
// selection made by the user would.
void QtDialog::setEntries(int id, const std::vector<std::string>& entries)
{
    QWidget* w = widget(id);
    const QSignalBlocker quiet(w);
    QStringList texts;
    for (const std::string& entry : entries) {
        texts << toQString(entry);
    }
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        list->clear();
        list->addItems(texts);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->clear();
        combo->addItems(texts);
        combo->setCurrentIndex(-1);
    }
}

void QtDialog::addEntry(int id, std::string_view entry)
{
    QWidget* w = widget(id);
    const QSignalBlocker quiet(w);
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        list->addItem(toQString(entry));
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const int current = combo->currentIndex();
        combo->addItem(toQString(entry));
        combo->setCurrentIndex(current);
    }
}

int QtDialog::entryCount(int id) const
{
    QWidget* w = widget(id);
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        return list->count();
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        return combo->count();
    }
    return 0;
}

std::vector<int> QtDialog::selection(int id) const
{
    std::vector<int> rows;
    QWidget* w = widget(id);
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        for (const QModelIndex& index : list->selectionModel()->selectedIndexes()) {
            rows.push_back(index.row());
        }
        std::sort(rows.begin(), rows.end());
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->currentIndex() >= 0) {
            rows.push_back(combo->currentIndex());
        }
    }
    return rows;
}

void QtDialog::setSelection(int id, const std::vector<int>& entries)
{
    QWidget* w = widget(id);
    const QSignalBlocker quiet(w);
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        const QSignalBlocker quietModel(list->selectionModel());
        list->clearSelection();
        bool first = true;
        for (const int row : entries) {
            QListWidgetItem* item = list->item(row);
            if (!item) {
                continue;
            }
            if (first) {
                list->setCurrentItem(item, QItemSelectionModel::Current);
                list->scrollToItem(item);
                first = false;
            }
            item->setSelected(true);
            if (list->selectionMode() == QAbstractItemView::SingleSelection) {
                break;
            }
        }
        list->viewport()->update();
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const bool valid = !entries.empty() && entries[0] >= 0 && entries[0] < combo->count();
        combo->setCurrentIndex(valid ? entries[0] : -1);
    }
}

}  // namespace kvx
