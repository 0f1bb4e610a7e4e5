#include "framework/controls/TLabel.h"

#include "framework/forms/ClassRegistry.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/DrawTextFlags.h"
#include "framework/graphics/TCanvas.h"

#include <QFontMetrics>

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

void TLabel::SetFocusControl(TWinControl* control) {
    focusControl_ = control;
    AccessibleCaptionsChanged();
}

TWinControl* TLabel::CaptionedControl() const {
    if (focusControl_)
        return focusControl_;
    if (ReactsToClick() || !Parent())
        return nullptr;
    const int middle = Top() + Height() / 2;
    TWinControl* nearest = nullptr;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* control = qobject_cast<TWinControl*>(Parent()->Controls(i));
        if (!control || !control->Visible() || control->Left() < Left() + Width() ||
            middle < control->Top() || middle >= control->Top() + control->Height())
            continue;
        if (!nearest || control->Left() < nearest->Left())
            nearest = control;
    }
    return nearest;
}

QAccessible::Role TLabel::AccessibleRole() const {
    return ReactsToClick() ? QAccessible::Link : QAccessible::StaticText;
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

void TLabel::Paint(TCanvas& canvas) {
    TRect box = Rect(0, 0, Width(), Height());
    canvas.Brush().SetColor(Color());
    if (!transparent_)
        canvas.FillRect(box);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Font().Assign(Font());
    if (!Enabled())
        canvas.Font().SetColor(clGrayText);
    // The glyphs may be a pixel or two taller than the box the label was designed with; they are
    // centred on it rather than cut off.
    const unsigned layout =
        wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER; // DT_VCENTER needs one line
    canvas.DrawText(Caption(), box, DT_LEFT | DT_NOCLIP | DT_NOPREFIX | layout);
}
