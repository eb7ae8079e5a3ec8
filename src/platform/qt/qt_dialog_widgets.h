#pragma once
// The widgets of dialog controls that the toolkit does not have as such:
// list entries with a tab stop, drop-down lists and pictures whose content
// the dialog's logic draws.

#include <functional>

#include <QComboBox>
#include <QImage>
#include <QStyledItemDelegate>
#include <QWidget>

namespace kvx {

// Draws entry `index` (a picture: 0) into an image of the size given.
using EntryPainter = std::function<QImage(int index, int width, int height)>;

// Entries "number\ttext" in two columns: the text starts at the tab stop.
class TabStopDelegate : public QStyledItemDelegate {
public:
    TabStopDelegate(int tabStopPixels, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int tabStop_;
};

// Entries of a fixed height drawn by the dialog, framed in the highlight
// colour when selected.
class DrawnEntryDelegate : public QStyledItemDelegate {
public:
    DrawnEntryDelegate(EntryPainter painter, int entryHeight, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    EntryPainter painter_;
    int height_;
};

// A drop-down list whose entries, and the chosen one in the closed box, the
// dialog draws.
class DrawnComboBox : public QComboBox {
public:
    DrawnComboBox(EntryPainter painter, int entryHeight, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    EntryPainter painter_;
    int height_;
};

// A picture of a fixed size that the dialog draws.
class DrawnPicture : public QWidget {
public:
    DrawnPicture(EntryPainter painter, int width, int height, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    EntryPainter painter_;
};

}  // namespace kvx
