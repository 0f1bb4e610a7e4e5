#include "framework/controls/DBGridIndicator.h"

#include "framework/graphics/Colors.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kIndicatorWidth = 11;
constexpr int kMarkHeight = 7; // the mark is a right-pointing triangle, 4 wide and 7 high
} // namespace

DBGridIndicator::DBGridIndicator(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {
    setSectionResizeMode(QHeaderView::Fixed);
    setSectionsClickable(true);
    setHighlightSections(false);
    setFixedWidth(kIndicatorWidth);
}

void DBGridIndicator::SetCurrentRow(int row) {
    if (row == currentRow_)
        return;
    currentRow_ = row;
    viewport()->update();
}

QSize DBGridIndicator::sizeHint() const {
    return {kIndicatorWidth, QHeaderView::sizeHint().height()};
}

void DBGridIndicator::mousePressEvent(QMouseEvent* event) {
    // The toolkit reports only the left button; any button makes the row current.
    if (event->button() != Qt::LeftButton) {
        const int row = logicalIndexAt(event->position().toPoint());
        if (row >= 0)
            emit sectionPressed(row);
    }
    QHeaderView::mousePressEvent(event);
}

void DBGridIndicator::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    painter->fillRect(rect, ToQColor(clBtnFace));
    painter->setPen(ToQColor(clBtnShadow));
    // Right and bottom edges: the last pixel column and row inside the rectangle.
    painter->drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
    painter->drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    if (logicalIndex != currentRow_)
        return;
    painter->setPen(ToQColor(clWindowText));
    const int top = rect.top() + (rect.height() - kMarkHeight) / 2;
    const int left = rect.left() + 3;
    for (int i = 0; i < 4; ++i)
        painter->drawLine(left + i, top + i, left + i, top + kMarkHeight - 1 - i);
}
