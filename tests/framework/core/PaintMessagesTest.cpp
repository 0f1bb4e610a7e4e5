// Painting as the window procedure sees it: the erase, then the paint, each with the canvas to
// draw on; hooks that draw before or after the default; a window's face painted off screen.
#include "framework/core/TWinControl.h"

#include "TestSupport.h"
#include "framework/controls/TCustomControl.h"
#include "framework/controls/TEdit.h"
#include "framework/controls/TLabel.h"
#include "framework/controls/TPanel.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"

#include <QCoreApplication>
#include <QImage>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

TCanvas& CanvasOf(const TMessage& m) {
    return *reinterpret_cast<TCanvas*>(m.WParam);
}

TColor PixelOf(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return TColor(qRed(p) | qGreen(p) << 8 | qBlue(p) << 16);
}

void Fill(TCanvas& canvas, TColor color, const TRect& rect) {
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(rect);
}

// Counts its paints and draws a marker in its top-left corner.
class CountingControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int paints = 0;

protected:
    void Paint() override {
        ++paints;
        Fill(Canvas(), clLime, Rect(0, 0, 4, 4));
    }
};

} // namespace

class PaintMessagesTest : public testing::Test {
protected:
    RecordingApplication app;
    TComponent owner{nullptr};
};

TEST_F(PaintMessagesTest, EraseComesFirstAndHooksDrawOnTheCanvasTheyAreGiven) {
    TWinControl window(nullptr);
    window.SetBounds(0, 0, 40, 30);
    window.SetColor(clRed);
    QStringList order;
    TWndMethod previous = window.WindowProc;
    window.WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_ERASEBKGND)
            order << QStringLiteral("erase");
        if (m.Msg != WM_PAINT)
            return previous(m);
        order << QStringLiteral("paint");
        previous(m);
        Fill(CanvasOf(m), clBlue, Rect(10, 10, 20, 20)); // after the default
    };
    QImage image = window.Handle()->grab().toImage();
    EXPECT_EQ(order, (QStringList{"erase", "paint"}));
    EXPECT_EQ(PixelOf(image, 2, 2), clRed);
    EXPECT_EQ(PixelOf(image, 15, 15), clBlue);

    // A hook that answers the erase itself keeps the colour from being filled in.
    window.WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_ERASEBKGND)
            Fill(CanvasOf(m), clMaroon, Rect(0, 0, 40, 30));
        else
            previous(m);
    };
    image = window.Handle()->grab().toImage();
    EXPECT_EQ(PixelOf(image, 2, 2), clMaroon);
}

TEST_F(PaintMessagesTest, AHookPaintsOverWhatTheToolkitDrewOfItsWidget) {
    auto* edit = new TEdit(&owner);
    edit->SetBounds(0, 0, 80, 21);
    TWndMethod previous = edit->WindowProc;
    edit->WindowProc = [previous](TMessage& m) {
        previous(m);
        if (m.Msg == WM_PAINT) {
            CanvasOf(m).Brush().SetColor(clRed);
            CanvasOf(m).FrameRect(Rect(0, 0, 80, 21));
        }
    };
    const QImage image = edit->Handle()->grab().toImage();
    EXPECT_EQ(PixelOf(image, 0, 0), clRed);
    EXPECT_EQ(PixelOf(image, 79, 20), clRed);
    EXPECT_NE(PixelOf(image, 40, 10), clRed);
}

TEST_F(PaintMessagesTest, AWindowsFacePaintsIntoAnyCanvasWithItsGraphicControlsAndHooks) {
    auto* panel = new TPanel(&owner);
    panel->SetBounds(0, 0, 60, 40);
    panel->SetBevelOuter(TBevelCut::bvNone);
    panel->SetColor(clSilver);
    auto* label = new TLabel(&owner);
    label->SetParent(panel);
    label->SetBounds(20, 10, 30, 20);
    label->SetCaption(QStringLiteral("■■"));
    label->Font()->SetColor(clNavy);
    TWndMethod previous = panel->WindowProc;
    panel->WindowProc = [previous](TMessage& m) {
        previous(m);
        if (m.Msg == WM_PAINT)
            Fill(CanvasOf(m), clFuchsia, Rect(0, 0, 2, 2));
    };
    TBitmap bitmap;
    bitmap.SetSize(60, 40);
    panel->PaintWindowInto(bitmap.Canvas());
    EXPECT_EQ(bitmap.Pixels(5, 30), clSilver);
    EXPECT_EQ(bitmap.Pixels(1, 1), clFuchsia);
    int navy = 0;
    for (int y = 10; y < 30; ++y)
        for (int x = 20; x < 50; ++x)
            navy += bitmap.Pixels(x, y) == clNavy ? 1 : 0;
    EXPECT_GT(navy, 20); // the label's glyphs, at its place
    for (int x = 0; x < 20; ++x)
        EXPECT_NE(bitmap.Pixels(x, 15), clNavy);

    // An opaque window is not erased: the canvas keeps what it had under the face.
    TWinControl plain(nullptr);
    plain.SetBounds(0, 0, 10, 10);
    plain.SetColor(clRed);
    plain.SetControlStyle(plain.ControlStyle() | TControlStyleFlag::csOpaque);
    TBitmap under;
    under.SetSize(10, 10);
    plain.PaintWindowInto(under.Canvas());
    EXPECT_EQ(under.Pixels(5, 5), clWhite);
}

TEST_F(PaintMessagesTest, RepaintPaintsAtOnceAndInvalidateLater) {
    auto* control = new CountingControl(&owner);
    control->SetBounds(0, 0, 20, 20);
    control->Handle()->show();
    QCoreApplication::processEvents();
    const int before = control->paints;
    control->Repaint();
    EXPECT_EQ(control->paints, before + 1);
    control->Invalidate();
    EXPECT_EQ(control->paints, before + 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(control->paints, before + 2);
    // Outside a paint its canvas measures text and shows nothing.
    EXPECT_GT(control->Canvas().TextWidth(QStringLiteral("搜索")), 0);
    EXPECT_EQ(PixelOf(control->Handle()->grab().toImage(), 1, 1), clLime);
}
