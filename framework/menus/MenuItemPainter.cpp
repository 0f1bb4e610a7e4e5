#include "framework/menus/MenuItemPainter.h"

#include "framework/controls/TImageList.h"
#include "framework/graphics/DrawTextFlags.h"
#include "framework/graphics/TCanvas.h"
#include "framework/menus/TMenu.h"
#include "framework/menus/TMenuItem.h"

#include <algorithm>

namespace {

constexpr int kSeparatorHeight = 9;
constexpr int kSeparatorInset = 2;  // between the item's sides and the separator line
constexpr int kTextPadding = 3;     // above and below the caption
constexpr int kImagePadding = 2;    // above and below a picture
constexpr int kLeftColumn = 22;     // check mark or picture; the caption starts after it
constexpr int kCaptionGap = 2;      // between the left column and the caption
constexpr int kShortCutGap = 24;    // between the caption and the shortcut text
constexpr int kRightColumn = 18;    // the sub-menu arrow, right of the shortcut text
constexpr int kCheckWidth = 7;      // the tick: three strokes of this width
constexpr int kArrowHalfHeight = 3; // the arrow: a triangle of 2 * this + 1 rows
constexpr int kArrowRight = 8;      // from the arrow's tip to the item's right side
constexpr TColor kFaceColor = clWhite;
constexpr TColor kTextColor = clBlack;
constexpr TColor kDisabledTextColor = clGray;

const TImageList* PictureList(const TMenuItem& item) {
    const TMenu* menu = item.GetParentMenu();
    const TImageList* images = menu ? menu->Images() : nullptr;
    return images && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count() ? images
                                                                                   : nullptr;
}

void SetItemFont(const TMenuItem& item, TCanvas& canvas) {
    TFontStyles style = canvas.Font().Style();
    style.setFlag(Framework::fsBold, item.Default());
    canvas.Font().SetStyle(style);
}

TColor TextColor(const TMenuItem& item, bool highlighted) {
    if (!item.Enabled())
        return kDisabledTextColor;
    return highlighted ? clHighlightText : kTextColor;
}

void Fill(TCanvas& canvas, const TRect& rect, TColor color) {
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(rect);
}

void DrawSeparator(TCanvas& canvas, const TRect& rect) {
    const int y = rect.Top + rect.Height() / 2;
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetColor(clBtnShadow);
    canvas.MoveTo(rect.Left + kSeparatorInset, y);
    canvas.LineTo(rect.Right - kSeparatorInset, y);
}

// A tick of three one-pixel strokes, centred in the left column.
void DrawCheckMark(TCanvas& canvas, const TRect& rect, TColor color) {
    const int x = rect.Left + (kLeftColumn - kCheckWidth) / 2;
    const int y = rect.Top + rect.Height() / 2 - 2;
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetColor(color);
    for (int stroke = 0; stroke < 3; ++stroke) {
        canvas.MoveTo(x, y + stroke);
        canvas.LineTo(x + 2, y + 2 + stroke);
        canvas.LineTo(x + kCheckWidth, y - 3 + stroke);
    }
}

// The picture centred in the left column; a checked item's picture gets a frame.
void DrawPicture(const TMenuItem& item, const TImageList& images, TCanvas& canvas,
                 const TRect& rect) {
    const int x = rect.Left + (kLeftColumn - images.Width()) / 2;
    const int y = rect.Top + (rect.Height() - images.Height()) / 2;
    images.Draw(canvas, x, y, item.ImageIndex(), item.Enabled());
    if (!item.Checked())
        return;
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(clBtnShadow);
    canvas.FrameRect(Rect(x - 1, y - 1, x + images.Width() + 1, y + images.Height() + 1));
}

// A triangle pointing right, one column per step, its tip kArrowRight left of the side.
void DrawArrow(TCanvas& canvas, const TRect& rect, TColor color) {
    const int tip = rect.Right - kArrowRight;
    const int middle = rect.Top + rect.Height() / 2;
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetColor(color);
    for (int step = 0; step <= kArrowHalfHeight; ++step) {
        const int x = tip - kArrowHalfHeight + step;
        canvas.MoveTo(x, middle - kArrowHalfHeight + step);
        canvas.LineTo(x, middle + kArrowHalfHeight - step + 1);
    }
}

void DrawTexts(const TMenuItem& item, TCanvas& canvas, const TRect& rect, TColor color) {
    SetItemFont(item, canvas);
    canvas.Font().SetColor(color);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TRect caption = Rect(rect.Left + kLeftColumn + kCaptionGap, rect.Top, rect.Right, rect.Bottom);
    canvas.DrawText(item.Caption(), caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    TRect shortCut = Rect(rect.Left, rect.Top, rect.Right - kRightColumn, rect.Bottom);
    canvas.DrawText(ShortCutToText(item.ShortCut()), shortCut,
                    DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace

namespace MenuItemPainter {

void Measure(const TMenuItem& item, TCanvas& canvas, int& width, int& height) {
    if (item.IsLine()) {
        width = kLeftColumn;
        height = kSeparatorHeight;
        return;
    }
    SetItemFont(item, canvas);
    width = kLeftColumn + kCaptionGap + canvas.TextWidth(item.DisplayCaption()) + kRightColumn;
    const QString shortCut = ShortCutToText(item.ShortCut());
    if (!shortCut.isEmpty())
        width += kShortCutGap + canvas.TextWidth(shortCut);
    height = canvas.TextHeight(item.DisplayCaption()) + 2 * kTextPadding;
    if (const TImageList* images = PictureList(item))
        height = std::max(height, images->Height() + 2 * kImagePadding);
}

void Draw(const TMenuItem& item, TCanvas& canvas, const TRect& rect, bool selected) {
    const bool highlighted = selected && item.Enabled() && !item.IsLine();
    Fill(canvas, rect, highlighted ? clHighlight : kFaceColor);
    if (item.IsLine()) {
        DrawSeparator(canvas, rect);
    } else {
        const TColor color = TextColor(item, highlighted);
        if (const TImageList* images = PictureList(item))
            DrawPicture(item, *images, canvas, rect);
        else if (item.Checked())
            DrawCheckMark(canvas, rect, color);
        if (item.HasSubMenu())
            DrawArrow(canvas, rect, color);
        DrawTexts(item, canvas, rect, color);
    }
    if (canvas.PaintsWindow()) {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(clBtnShadow);
        canvas.FrameRect(canvas.WindowRect());
    }
}

} // namespace MenuItemPainter
