#include "framework/controls/ToolBarPainter.h"

#include "framework/controls/TImageList.h"
#include "framework/controls/TToolBar.h"
#include "framework/graphics/DrawTextFlags.h"
#include "framework/graphics/TCanvas.h"

namespace {

void Fill(TCanvas& canvas, const TRect& rect, TColor color) {
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(rect);
}

// One-pixel lines: the top row and left column in one colour, the bottom row and right column
// (the last pixels inside the rectangle) in the other.
void DrawFrame(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight) {
    Fill(canvas, Rect(r.Left, r.Top, r.Right, r.Top + 1), topLeft);
    Fill(canvas, Rect(r.Left, r.Top, r.Left + 1, r.Bottom), topLeft);
    Fill(canvas, Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), bottomRight);
    Fill(canvas, Rect(r.Right - 1, r.Top, r.Right, r.Bottom), bottomRight);
}

bool HasPicture(const ToolBarPainter::ButtonLook& look) {
    return look.images && look.imageIndex >= 0 && look.imageIndex < look.images->Count();
}

// The picture centred across the content, at its top when a caption follows, else in its
// middle; the content then starts under it.
void DrawPicture(TCanvas& canvas, const ToolBarPainter::ButtonLook& look, TRect& content) {
    const TImageList& images = *look.images;
    const int x = content.Left + (content.Width() - images.Width()) / 2;
    const int y = look.caption.isEmpty() ? content.Top + (content.Height() - images.Height()) / 2
                                         : content.Top + ToolBarPainter::kImageTop;
    images.Draw(canvas, x, y, look.imageIndex,
                !look.state.testFlag(TCustomDrawStateFlag::cdsDisabled));
    content.Top = y + images.Height();
}

} // namespace

namespace ToolBarPainter {

void DrawEdges(TCanvas& canvas, const TRect& r, int edges) {
    constexpr int w = kEdgeWidth;
    if (edges & TToolBar::ebTop) {
        Fill(canvas, Rect(r.Left, r.Top, r.Right, r.Top + 1), clBtnShadow);
        Fill(canvas, Rect(r.Left, r.Top + 1, r.Right, r.Top + w), clBtnHighlight);
    }
    if (edges & TToolBar::ebBottom) {
        Fill(canvas, Rect(r.Left, r.Bottom - w, r.Right, r.Bottom - 1), clBtnShadow);
        Fill(canvas, Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), clBtnHighlight);
    }
    if (edges & TToolBar::ebLeft) {
        Fill(canvas, Rect(r.Left, r.Top, r.Left + 1, r.Bottom), clBtnShadow);
        Fill(canvas, Rect(r.Left + 1, r.Top, r.Left + w, r.Bottom), clBtnHighlight);
    }
    if (edges & TToolBar::ebRight) {
        Fill(canvas, Rect(r.Right - w, r.Top, r.Right - 1, r.Bottom), clBtnShadow);
        Fill(canvas, Rect(r.Right - 1, r.Top, r.Right, r.Bottom), clBtnHighlight);
    }
}

void DrawButton(TCanvas& canvas, const ButtonLook& look) {
    const bool sunken = look.state.testAnyFlags(
        TCustomDrawState(TCustomDrawStateFlag::cdsSelected) | TCustomDrawStateFlag::cdsChecked);
    const bool raised =
        !sunken && (look.state.testFlag(TCustomDrawStateFlag::cdsHot) || !look.flat);
    if (sunken)
        DrawFrame(canvas, look.rect, clBtnShadow, clBtnHighlight);
    else if (raised)
        DrawFrame(canvas, look.rect, clBtnHighlight, clBtnShadow);
    // A sunken button's face moves a pixel right and down, as if pressed into the bar.
    TRect content = sunken ? Offset(look.rect, 1, 1) : look.rect;
    if (HasPicture(look))
        DrawPicture(canvas, look, content);
    if (look.caption.isEmpty())
        return;
    if (look.state.testFlag(TCustomDrawStateFlag::cdsDisabled))
        canvas.Font().SetColor(clGrayText);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.DrawText(look.caption, content, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

} // namespace ToolBarPainter
