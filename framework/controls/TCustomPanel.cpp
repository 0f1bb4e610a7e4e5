#include "framework/controls/TCustomPanel.h"

#include "framework/graphics/Colors.h"
#include "framework/graphics/DrawTextFlags.h"
#include "framework/graphics/TCanvas.h"

TCustomPanel::TCustomPanel(TComponent* AOwner) : TWinControl(AOwner) {
    SetControlStyle(ControlStyle() | TControlStyleFlag::csAcceptsControls);
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

void TCustomPanel::PaintBevel(TCanvas& canvas, TRect& rect, TBevelCut cut) {
    if (cut == TBevelCut::bvNone)
        return;
    if (cut != TBevelCut::bvSpace) {
        const TColor light = clBtnHighlight;
        const TColor dark = clBtnShadow;
        // Lines stop before their end point: each runs one past the last pixel it covers.
        const int right = rect.Right - 1;
        const int bottom = rect.Bottom - 1;
        canvas.Pen().SetColor(cut == TBevelCut::bvRaised ? light : dark);
        canvas.MoveTo(rect.Left, bottom);
        canvas.LineTo(rect.Left, rect.Top);
        canvas.LineTo(rect.Right, rect.Top);
        canvas.Pen().SetColor(cut == TBevelCut::bvRaised ? dark : light);
        canvas.MoveTo(right, rect.Top);
        canvas.LineTo(right, bottom);
        canvas.LineTo(rect.Left - 1, bottom);
    }
    rect = Inset(rect, 1);
}

void TCustomPanel::PaintWindow(TCanvas& canvas) {
    TRect rect = Rect(0, 0, Width(), Height());
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(rect);
    if (borderStyle_ == TBorderStyle::bsSingle) {
        canvas.Brush().SetColor(clWindowFrame);
        canvas.FrameRect(rect);
        rect = Inset(rect, 1);
    }
    PaintBevel(canvas, rect, bevelOuter_);
    PaintBevel(canvas, rect, bevelInner_);
    if (Caption().isEmpty())
        return;
    canvas.Font().Assign(Font());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.DrawText(Caption(), rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
