#include "skin/SUIPublic.h"

#include "framework/core/TApplication.h"
#include "framework/core/TCustomForm.h"
#include "framework/core/TWinControl.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/graphics/TFont.h"
#include "framework/platform/DesktopFonts.h"
#include "framework/platform/WindowSystem.h"

#include <QFont>
#include <algorithm>
#include <array>

namespace {

// Skin bitmaps mark the pixels they leave out in fuchsia.
constexpr TColor kSkinTransparentColor = clFuchsia;
constexpr TColor kMenuBorderHighlight = clWhite;

enum class MacMenuPicture : int { Bar = 0, BarItem = 1, Select = 2 };
struct MacMenuPictureLayout {
    const char* ResourceName;
    int Rows; // the top rows kept before stretching
};
constexpr std::array<MacMenuPictureLayout, 3> kMacMenuPictures = {{
    {SkinNames::kMacMenuBarPicture, 12},
    {SkinNames::kMacMenuBarPicture, 20},
    {SkinNames::kMacMenuSelectPicture, 20},
}};

void DrawMacMenuPicture(TCanvas& canvas, const TRect& rect, MacMenuPicture which) {
    const MacMenuPictureLayout& entry = kMacMenuPictures[static_cast<std::size_t>(which)];
    TBitmap picture;
    picture.LoadFromResourceName(QString::fromLatin1(entry.ResourceName));
    picture.SetSize(picture.Width(), entry.Rows);
    canvas.StretchDraw(rect, picture);
}

// Narrow a source rectangle to a piece's size, keeping the columns or rows on the given side.
TRect KeepColumns(TRect r, int width, bool keepRight) {
    if (width >= r.Width())
        return r;
    if (keepRight)
        r.Left = r.Right - width;
    else
        r.Right = r.Left + width;
    return r;
}

TRect KeepRows(TRect r, int height, bool keepBottom) {
    if (height >= r.Height())
        return r;
    if (keepBottom)
        r.Top = r.Bottom - height;
    else
        r.Bottom = r.Top + height;
    return r;
}

// What one corner-kept draw works on. The target starts at (0, 0) and is W x H.
struct NinePieceDraw {
    const TBitmap& Source;
    TCanvas& Canvas;
    int W;
    int H;
    bool TransparentCorners;
};

struct CornerSide {
    bool Right;
    bool Bottom;
};

// A corner is copied one to one at the target's corner, at most as large as both rectangles.
// Answers where it went; a skipped corner answers an empty rectangle at that corner of the target.
TRect DrawCorner(const NinePieceDraw& d, const TRect& src, const TRect& dest, CornerSide side) {
    int w = std::max(0, std::min(src.Width(), dest.Width()));
    int h = std::max(0, std::min(src.Height(), dest.Height()));
    if (w == 0 || h == 0)
        w = h = 0;
    const TRect placed = Bounds(side.Right ? d.W - w : 0, side.Bottom ? d.H - h : 0, w, h);
    if (w == 0)
        return placed;
    const TRect piece = KeepRows(KeepColumns(src, w, side.Right), h, side.Bottom);
    if (d.TransparentCorners)
        d.Canvas.DrawTransparent(placed, d.Source, piece, kSkinTransparentColor);
    else
        d.Canvas.CopyRect(placed, d.Source.Canvas(), piece);
    return placed;
}

// Edges and the middle are stretched over their whole target and never draw fuchsia.
void DrawStretchedPiece(const NinePieceDraw& d, const TRect& src, const TRect& dest) {
    if (dest.Width() <= 0 || dest.Height() <= 0)
        return;
    d.Canvas.DrawTransparent(dest, d.Source, src, kSkinTransparentColor);
}

} // namespace

void CutStripFrame(const TBitmap& strip, TBitmap& target, int frameCount, int frameIndex) {
    if (frameCount < 1 || frameIndex < 1 || frameIndex > frameCount) {
        target.SetSize(0, 0);
        return;
    }
    const int frameWidth = strip.Width() / frameCount;
    const int frameHeight = strip.Height();
    const TRect source =
        Rect(frameWidth * (frameIndex - 1), 0, frameWidth * frameIndex, frameHeight);
    const TRect frame = Rect(0, 0, frameWidth, frameHeight);
    // Through a separate bitmap, so that the strip may be the target itself.
    TBitmap piece;
    piece.SetSize(frameWidth, frameHeight);
    piece.Canvas().CopyRect(frame, strip.Canvas(), source);
    target.SetSize(frameWidth, frameHeight);
    target.Canvas().CopyRect(frame, piece.Canvas(), frame);
}

// The halves are truncated; the lower and right pieces start one pixel past the middle. The
// asymmetric offsets below (the right edge's source ending at hh + 2, the middle ending one row
// above the bottom-right corner, the bottom edge starting one pixel left of and above its
// neighbours) are the skin's own geometry: the artwork is drawn for exactly these pieces.
void DrawCornerStretched(const TBitmap& source, TCanvas& canvas, const TRect& rect,
                         bool transparent) {
    Q_ASSERT(rect.Left == 0 && rect.Top == 0);
    const int sw = source.Width();
    const int sh = source.Height();
    const int hw = sw / 2;
    const int hh = sh / 2;
    const int W = rect.Width();
    const int H = rect.Height();
    const int Hw = W / 2;
    const int Hh = H / 2;
    const NinePieceDraw d{source, canvas, W, H, transparent};

    const TRect tl = DrawCorner(d, Rect(0, 0, hw, hh), Rect(0, 0, Hw, Hh), {false, false});
    const TRect bl =
        DrawCorner(d, Rect(0, sh - hh + 1, hw, sh), Rect(0, H - Hh + 1, Hw, H), {false, true});
    const TRect left = Rect(0, tl.Bottom, tl.Right, bl.Top);
    DrawStretchedPiece(d, KeepColumns(Rect(0, hh, hw, sh - hh), left.Width(), false), left);

    const TRect tr =
        DrawCorner(d, Rect(sw - hw + 1, 0, sw, hh), Rect(W - Hw + 1, 0, W, Hh), {true, false});
    const TRect br = DrawCorner(d, Rect(sw - hw + 1, sh - hh + 1, sw, sh),
                                Rect(W - Hw + 1, H - Hh + 1, W, H), {true, true});
    const TRect right = Rect(tr.Left, tr.Bottom, tr.Right, br.Top);
    DrawStretchedPiece(d, KeepColumns(Rect(sw - hw + 1, sh - hh, sw, hh + 2), right.Width(), true),
                       right);

    const TRect top = Rect(tl.Right, 0, tr.Left, tl.Bottom);
    DrawStretchedPiece(d, KeepRows(Rect(hw, 0, sw - hw + 1, hh), top.Height(), false), top);
    DrawStretchedPiece(d, Rect(hw, hh, sw - hw + 1, sh - hh),
                       Rect(tl.Right, tl.Bottom, tr.Left, br.Top - 1));
    const TRect bottom = Rect(tl.Right - 1, bl.Top - 1, br.Left, br.Bottom);
    DrawStretchedPiece(d, KeepRows(Rect(hw, sh - hh, sw - hw + 1, sh), bottom.Height(), true),
                       bottom);
}

// The parent paints into an image of the control's size through its own erase and paint
// messages, moved so that the parent's coordinates fall onto the control's area; only the part
// inside the parent's client area is copied, so the canvas keeps its own pixels elsewhere. No
// toolkit paint event is involved, so it works whether or not the parent is on screen.
void DrawParentBackground(TCanvas& canvas, const TWinControl& control) {
    TWinControl* parent = control.Parent();
    if (!parent || control.Width() <= 0 || control.Height() <= 0)
        return;
    const TRect parentClient = parent->ClientRect();
    const TRect visible =
        Offset(Intersection(control.BoundsRect(), parentClient), -control.Left(), -control.Top());
    if (visible.Width() <= 0 || visible.Height() <= 0)
        return;
    TBitmap under;
    under.SetSizeFor(canvas, control.Width(), control.Height());
    TCanvas& underCanvas = under.Canvas();
    underCanvas.SetOrigin({-control.Left(), -control.Top()});
    underCanvas.SetClipRect(parentClient);
    parent->PaintWindowInto(underCanvas);
    underCanvas.SetOrigin({});
    canvas.CopyRect(visible, underCanvas, visible);
}

void DrawControlBorder(const TControl& control, TCanvas& windowCanvas, TColor borderColor,
                       TColor innerColor, bool drawInner) {
    const TBrush saved = windowCanvas.Brush();
    const TRect window = Rect(0, 0, control.Width(), control.Height());
    FrameRectColor(windowCanvas, window, ColorToRGB(borderColor));
    if (drawInner)
        FrameRectColor(windowCanvas, Inset(window, 1), ColorToRGB(innerColor));
    windowCanvas.Brush() = saved;
}

bool PointInRectInclusive(TPoint point, const TRect& rect) {
    return point.X >= rect.Left && point.X <= rect.Right && point.Y >= rect.Top &&
           point.Y <= rect.Bottom;
}

LRESULT ResizeBandHitTest(const TCustomForm& form, TFormBorderStyle designBorderStyle,
                          TPoint clientPoint, LRESULT answer, TResizeBands bands) {
    if (form.WindowState() == TWindowState::wsMaximized)
        return answer;
    if (form.FormStyle() == TFormStyle::fsMDIForm && answer == HTCLIENT)
        answer = HTTRANSPARENT;
    if (designBorderStyle != TFormBorderStyle::bsSizeable)
        return answer;
    const int band = SkinMetrics::Form::kResizeBand;
    const bool left = clientPoint.X < band;
    const bool top = clientPoint.Y < band;
    const bool right = clientPoint.X > form.ClientWidth() - band;
    const bool bottom =
        bands == TResizeBands::AllEdges && clientPoint.Y > form.ClientHeight() - band;
    if (!top && bands == TResizeBands::TopEdge)
        return answer;
    if (left && top)
        return HTTOPLEFT;
    if (right && top)
        return HTTOPRIGHT;
    if (right && bottom)
        return HTBOTTOMRIGHT;
    if (left && bottom)
        return HTBOTTOMLEFT;
    if (left)
        return HTLEFT;
    if (top)
        return HTTOP;
    if (right)
        return HTRIGHT;
    if (bottom)
        return HTBOTTOM;
    return answer;
}

void SetFormBoundsRect(TCustomForm& form, const TRect& rect) {
    form.SetLeft(rect.Left);
    form.SetTop(rect.Top);
    form.SetWidth(rect.Width());
    form.SetHeight(rect.Height());
}

// The first rule that applies decides. The framework keeps no MDI client window, so no MDI
// child is ever reported active by one: for an MDI frame's other forms, as for every form of an
// ordinary application, the form's own active flag decides.
bool IsFormActive(const TCustomForm* form) {
    const TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
    if (!mainForm)
        return form && form->Active();
    if (mainForm->FormStyle() == TFormStyle::fsMDIForm && form == mainForm)
        return true;
    if (!WindowSystem::HasFocusWindow())
        return false;
    if (!form || form == mainForm)
        return true;
    return form->Active();
}

void AssignSystemMenuFont(TFont& font) {
    const QFont menu = DesktopFonts::Menu();
    font.SetName(menu.family());
    if (menu.pixelSize() > 0)
        font.SetHeight(-menu.pixelSize());
    else
        font.SetSize(qRound(menu.pointSizeF()));
    TFontStyles style;
    style.setFlag(Framework::fsBold, menu.bold());
    style.setFlag(Framework::fsItalic, menu.italic());
    style.setFlag(Framework::fsUnderline, menu.underline());
    style.setFlag(Framework::fsStrikeOut, menu.strikeOut());
    font.SetStyle(style);
    font.SetColor(clMenuText);
}

void DrawMacMenuBar(TCanvas& canvas, const TRect& rect) {
    DrawMacMenuPicture(canvas, rect, MacMenuPicture::Bar);
}

void DrawMacMenuBarItem(TCanvas& canvas, const TRect& rect) {
    DrawMacMenuPicture(canvas, rect, MacMenuPicture::BarItem);
}

void DrawMacMenuSelect(TCanvas& canvas, const TRect& rect) {
    DrawMacMenuPicture(canvas, rect, MacMenuPicture::Select);
}

// A solid brush: a brush left clear by earlier text drawing must not swallow the fill.
void FrameRectColor(TCanvas& canvas, const TRect& rect, TColor color) {
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FrameRect(rect);
}

void FillRectColor(TCanvas& canvas, const TRect& rect, TColor color) {
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(rect);
}

void DrawSeparatorLine(TCanvas& canvas, const TRect& rect, TColor color, int indent) {
    const int y = rect.Top + SkinMetrics::Menu::kSeparatorRow;
    canvas.Pen().SetColor(color);
    canvas.MoveTo(rect.Left + indent + SkinMetrics::Menu::kSeparatorLeftGap, y);
    canvas.LineTo(rect.Right - SkinMetrics::Menu::kSeparatorRightGap, y);
}

// The shadow runs along the bottom row, up the rightmost column and back along the top row;
// the frames start one row down so that the top row is the shadow's.
void DrawMenuWindowBorder(TCanvas& windowCanvas, const TRect& windowRect, TColor outerColor,
                          TColor shadowColor) {
    const TPen savedPen = windowCanvas.Pen();
    const TBrush savedBrush = windowCanvas.Brush();
    const TPoint savedPos = windowCanvas.PenPos();
    const auto [l, t, r, b] = windowRect;
    const TRect outer = Rect(l, t + 1, r - 1, b - 1);
    FrameRectColor(windowCanvas, outer, outerColor);
    FrameRectColor(windowCanvas, Inset(outer, 1), kMenuBorderHighlight);
    windowCanvas.Pen() = TPen();
    windowCanvas.Pen().SetColor(shadowColor);
    windowCanvas.MoveTo(l, b - 1);
    windowCanvas.LineTo(r - 1, b - 1);
    windowCanvas.LineTo(r - 1, t);
    windowCanvas.LineTo(r, t);
    windowCanvas.LineTo(l, t);
    windowCanvas.Pen() = savedPen;
    windowCanvas.Brush() = savedBrush;
    windowCanvas.MoveTo(savedPos.X, savedPos.Y);
}
