#include "platform/qt/qt_status_line.h"

#include <algorithm>

#include <QFontMetrics>
#include <QResizeEvent>
#include <QSizeGrip>

#include "platform/status_part_widths.h"

namespace kvx {

namespace {

constexpr int partTop = 3;
constexpr int partBottom = 2;
// Parts 0 and 1, the coordinates under the pointer, give way to a
// measurement when the window is too narrow for all texts.
constexpr std::size_t pointerParts = 2;

void framePart(QLabel& label)
{
    label.setFrameShape(QFrame::Panel);
    label.setFrameShadow(QFrame::Sunken);
}

}  // namespace

QtStatusLine::QtStatusLine()
{
    setSizeGripEnabled(true);
    QLabel sample;
    framePart(sample);
    setMinimumHeight(sample.sizeHint().height() + partTop + partBottom);
}

void QtStatusLine::setParts(const std::vector<int>& rightEdges)
{
    while (parts_.size() > rightEdges.size()) {
        delete parts_.back();
        parts_.pop_back();
    }
    texts_.resize(parts_.size());
    while (parts_.size() < rightEdges.size()) {
        auto* label = new QLabel(this);
        framePart(*label);
        label->show();
        parts_.push_back(label);
        texts_.emplace_back();
    }
    rightEdges_ = rightEdges;
    place();
}

void QtStatusLine::setText(int part, const QString& text)
{
    if (part >= 0 && part < static_cast<int>(parts_.size())) {
        texts_[static_cast<std::size_t>(part)] = text;
        parts_[static_cast<std::size_t>(part)]->setText(text);
        place();  // a longer text may need room from the others
    }
}

void QtStatusLine::resizeEvent(QResizeEvent* event)
{
    QStatusBar::resizeEvent(event);
    place();
}

void QtStatusLine::place()
{
    // By hand, not through the status bar's layout: that one lets the parts
    // overlap, and squeezes them without regard to their texts.
    std::vector<int> wanted;
    std::vector<int> needed;
    int left = 0;
    std::vector<int> frames;  // each part's frame and indent around its text
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        const int right = std::max(rightEdges_[i], left);
        wanted.push_back(right - left);
        const QFontMetrics metrics = parts_[i]->fontMetrics();
        frames.push_back(parts_[i]->sizeHint().width() - metrics.horizontalAdvance(parts_[i]->text()));
        needed.push_back(frames.back() + metrics.horizontalAdvance(texts_[i]));
        left = right;
    }
    auto* grip = findChild<QSizeGrip*>();
    const int room = width() - (grip && grip->isVisible() ? grip->width() : 0);
    const std::vector<int> widths = statusPartWidths(wanted, needed, room, pointerParts);
    left = 0;
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        parts_[i]->setGeometry(left, partTop, widths[i], height() - partTop - partBottom);
        // A text that has to give way ends in an ellipsis, so that no value
        // is read short of its digits.
        const QString shown = widths[i] < needed[i] ? parts_[i]->fontMetrics().elidedText(
                                                          texts_[i], Qt::ElideRight, widths[i] - frames[i])
                                                    : texts_[i];
        if (shown != parts_[i]->text()) {
            parts_[i]->setText(shown);
        }
        left += widths[i];
    }
    // The grip stays usable above parts that run into the corner.
    if (grip) {
        grip->raise();
    }
}

}  // namespace kvx
