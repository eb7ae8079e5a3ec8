#pragma once
// The status line of a plot window: numbered parts side by side from the
// left edge, each as wide as its right edge gives, or as its text where that
// is wider. In a window too narrow for them the parts shrink towards their
// texts, so that a measurement stays readable (statusPartWidths); what the
// texts alone do not leave room for is cut off at the right edge.

#include <vector>

#include <QLabel>
#include <QStatusBar>

namespace kvx {

class QtStatusLine : public QStatusBar {
public:
    QtStatusLine();

    // The right edges of the parts; their number is the part count.
    void setParts(const std::vector<int>& rightEdges);
    // A text for a part beyond the count is not shown.
    void setText(int part, const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();

    std::vector<QLabel*> parts_;
    std::vector<QString> texts_;  // each part's text, whether or not it is shown whole
    std::vector<int> rightEdges_;
};

}  // namespace kvx
