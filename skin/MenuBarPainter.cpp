#include "skin/MenuBarPainter.h"

#include "framework/graphics/DrawTextFlags.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/graphics/TFont.h"
#include "skin/SUIPublic.h"

namespace {

constexpr char kMacBar[] = "MACOS_MENU_BAR";
constexpr char kMacSelect[] = "MACOS_MENU_SELECT";

// A pressed button's box ends this far left of the button's right edge, and its caption starts
// this far right; every caption's box starts this far down.
constexpr int kPressedRightCut = 2;
constexpr int kPressedCaptionShift = 2;
constexpr int kCaptionDrop = 2;
// The MacOS caption is centred in a box this much taller than the button, which sets it a
// pixel lower than true centre.
constexpr int kMacCaptionExtraHeight = 2;

constexpr unsigned kCentredLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

void StretchResource(TCanvas& canvas, const TRect& rect, const char* name) {
    TBitmap picture;
    picture.LoadFromResourceName(QLatin1String(name));
    canvas.StretchDraw(rect, picture);
}

} // namespace

namespace MenuBarPainter {

void DrawMacBar(TCanvas& canvas, const TRect& rect) {
    StretchResource(canvas, rect, kMacBar);
}

void DrawMacButton(TCanvas& barCanvas, const TRect& button, const QString& caption,
                   const TFont& font, TColor fontColor) {
    TBitmap buffer;
    buffer.SetSize(button.Width(), button.Height());
    TCanvas& canvas = buffer.Canvas();
    StretchResource(canvas, Rect(0, 0, button.Width(), button.Height()), kMacSelect);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Font().SetName(font.Name());
    canvas.Font().SetSize(font.Size());
    canvas.Font().SetCharset(font.Charset());
    canvas.Font().SetColor(fontColor);
    TRect text = Rect(0, 0, button.Width(), button.Height() + kMacCaptionExtraHeight);
    canvas.DrawText(caption, text, kCentredLine);
    barCanvas.Draw(button.Left, button.Top, buffer);
}

void DrawButton(TCanvas& barCanvas, const TRect& button, const QString& caption, bool selected,
                const SelectionColors& colors) {
    TRect box = button;
    if (selected)
        box.Right -= kPressedRightCut;
    FillRectColor(barCanvas, box, colors.background);
    FrameRectColor(barCanvas, box, colors.border);
    if (selected)
        box.Left += kPressedCaptionShift;
    box.Top += kCaptionDrop;
    barCanvas.Brush().SetStyle(TBrushStyle::bsClear);
    barCanvas.Font().SetColor(colors.font);
    barCanvas.DrawText(caption, box, kCentredLine);
}

} // namespace MenuBarPainter
