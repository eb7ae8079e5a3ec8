#include "platform/qt/qt_dialog_widgets.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStylePainter>
#include <utility>

namespace kvx {

namespace {

constexpr int textMargin = 4;

}  // namespace

TabStopDelegate::TabStopDelegate(int tabStopPixels, QObject* parent)
    : QStyledItemDelegate(parent), tabStop_(tabStopPixels)
{
}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
    const qsizetype tab = text.indexOf(u'\t');
    const bool selected = item.state & QStyle::State_Selected;
    painter->save();
    painter->setPen(item.palette.color(item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled,
                                       selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(item.font);
    const QRect first(area.left() + textMargin, area.top(), tabStop_ - textMargin, area.height());
    painter->drawText(first, Qt::AlignVCenter | Qt::AlignLeft, tab < 0 ? text : text.left(tab));
    if (tab >= 0) {
        const QRect second(area.left() + tabStop_, area.top(), area.width() - tabStop_, area.height());
        const QString rest = item.fontMetrics.elidedText(text.mid(tab + 1), Qt::ElideRight, second.width());
        painter->drawText(second, Qt::AlignVCenter | Qt::AlignLeft, rest);
    }
    painter->restore();
}

DrawnEntryDelegate::DrawnEntryDelegate(EntryPainter painter, int entryHeight, QObject* parent)
    : QStyledItemDelegate(parent), painter_(std::move(painter)), height_(entryHeight)
{
}

void DrawnEntryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    const QRect r = option.rect;
    painter->fillRect(r, option.palette.color(QPalette::Base));
    const QRect inner = r.adjusted(2, 1, -2, -1);
    if (inner.width() > 0 && inner.height() > 0) {
        painter->drawImage(inner.topLeft(), painter_(index.row(), inner.width(), inner.height()));
    }
    if (option.state & (QStyle::State_Selected | QStyle::State_MouseOver)) {
        QPen pen(option.palette.color(QPalette::Highlight), 2);
        pen.setJoinStyle(Qt::MiterJoin);
        painter->save();
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(r).adjusted(1, 1, -1, -1));
        painter->restore();
    }
}

QSize DrawnEntryDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return {option.rect.width(), height_ + 2};
}

DrawnComboBox::DrawnComboBox(EntryPainter painter, int entryHeight, QWidget* parent)
    : QComboBox(parent), painter_(painter), height_(entryHeight)
{
    setItemDelegate(new DrawnEntryDelegate(std::move(painter), entryHeight, this));
    setMinimumContentsLength(12);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

void DrawnComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0) {
        return;
    }
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const int h = std::min(height_, field.height());
    const QRect entry(field.left() + 1, field.top() + (field.height() - h) / 2, field.width() - 2, h);
    if (entry.width() > 0 && entry.height() > 0) {
        painter.drawImage(entry.topLeft(), painter_(currentIndex(), entry.width(), entry.height()));
    }
}

DrawnPicture::DrawnPicture(EntryPainter painter, int width, int height, QWidget* parent)
    : QWidget(parent), painter_(std::move(painter))
{
    setFixedSize(std::max(width, 1), std::max(height, 1));
}

void DrawnPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, painter_(0, width(), height()));
}

}  // namespace kvx
