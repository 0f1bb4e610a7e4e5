#include "framework/controls/TCustomPanel.h"

#include "framework/graphics/Colors.h"

#include <QPainter>

TCustomPanel::TCustomPanel(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::SetBevelOuter(TBevelCut v) {
    bevelOuter_ = v;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut v) {
    bevelInner_ = v;
    Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle v) {
    borderStyle_ = v;
    Invalidate();
}

void TCustomPanel::PaintBevel(QPainter& painter, QRect& rect, TBevelCut cut) const {
    if (cut == TBevelCut::bvNone)
        return;
    if (cut != TBevelCut::bvSpace) {
        const QColor light = ToQColor(clBtnHighlight);
        const QColor dark = ToQColor(clBtnShadow);
        const QColor topLeft = cut == TBevelCut::bvRaised ? light : dark;
        const QColor bottomRight = cut == TBevelCut::bvRaised ? dark : light;
        // right() and bottom() are the last pixel inside the rectangle.
        painter.setPen(topLeft);
        painter.drawLine(rect.left(), rect.top(), rect.right(), rect.top());
        painter.drawLine(rect.left(), rect.top(), rect.left(), rect.bottom());
        painter.setPen(bottomRight);
        painter.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
        painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    }
    rect.adjust(1, 1, -1, -1);
}

void TCustomPanel::PaintWindow(QPainter& painter) {
    QRect rect(0, 0, Width(), Height());
    painter.fillRect(rect, ToQColor(Color()));
    if (borderStyle_ == TBorderStyle::bsSingle) {
        painter.setPen(ToQColor(clWindowFrame));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        rect.adjust(1, 1, -1, -1);
    }
    PaintBevel(painter, rect, bevelOuter_);
    PaintBevel(painter, rect, bevelInner_);
    if (Caption().isEmpty())
        return;
    painter.setFont(Font()->ToQFont());
    painter.setPen(ToQColor(Font()->Color()));
    painter.drawText(rect, Qt::AlignCenter, Caption());
}
