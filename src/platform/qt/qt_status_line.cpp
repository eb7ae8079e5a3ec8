#include "platform/qt/qt_status_line.h"

#include <algorithm>

#include <QResizeEvent>
#include <QSizeGrip>

namespace kvx {

namespace {

constexpr int partTop = 3;
constexpr int partBottom = 2;

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
    while (parts_.size() < rightEdges.size()) {
        auto* label = new QLabel(this);
        framePart(*label);
        label->show();
        parts_.push_back(label);
    }
    rightEdges_ = rightEdges;
    place();
}

void QtStatusLine::setText(int part, const QString& text)
{
    if (part >= 0 && part < static_cast<int>(parts_.size())) {
        parts_[static_cast<std::size_t>(part)]->setText(text);
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
    // overlap, and squeezes them when the window is narrow.
    int left = 0;
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        const int right = std::max(rightEdges_[i], left);
        parts_[i]->setGeometry(left, partTop, right - left, height() - partTop - partBottom);
        left = right;
    }
    // The grip stays usable above parts that run into the corner.
    if (auto* grip = findChild<QSizeGrip*>()) {
        grip->raise();
    }
}

}  // namespace kvx
