#include "framework/controls/TLabel.h"

#include "framework/forms/ClassRegistry.h"
#include "framework/graphics/Colors.h"

#include <QFontMetrics>
#include <QPainter>

REGISTER_COMPONENT_CLASS(TLabel)

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

void TLabel::SetAutoSize(bool v) {
    autoSize_ = v;
    AdjustBounds();
}

void TLabel::SetTransparent(bool v) {
    transparent_ = v;
    Invalidate();
}

void TLabel::SetWordWrap(bool v) {
    wordWrap_ = v;
    AdjustBounds();
    Invalidate();
}

void TLabel::TextChanged() {
    AdjustBounds();
    Invalidate();
}

void TLabel::FontChanged() {
    AdjustBounds();
    Invalidate();
}

void TLabel::AdjustBounds() {
    // The stored size is the caption's size where the form was designed; it is kept as stored
    // and only a later change of caption or font sizes the label anew.
    if (!autoSize_ || IsLoading() || wordWrap_)
        return;
    const QFontMetrics metrics(Font()->ToQFont());
    const QString text = Caption().isEmpty() ? QStringLiteral(" ") : Caption();
    SetBounds(Left(), Top(), metrics.horizontalAdvance(text), metrics.height());
}

void TLabel::Paint(QPainter& painter) {
    if (!transparent_)
        painter.fillRect(0, 0, Width(), Height(), ToQColor(Color()));
    painter.setFont(Font()->ToQFont());
    painter.setPen(ToQColor(Enabled() ? Font()->Color() : clGrayText));
    // The glyphs may be a pixel or two taller than the box the label was designed with; they are
    // centred on it rather than cut off.
    const int flags =
        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip | (wordWrap_ ? Qt::TextWordWrap : 0);
    painter.drawText(QRect(0, 0, Width(), Height()), flags, Caption());
}
