#include "framework/graphics/TCanvas.h"
#include "framework/graphics/TBitmap.h"
#include "support/ImageCompare.h"

#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>
#include <set>

namespace {

constexpr TColor kPaper = clWhite;

// A white bitmap whose canvas has a red pen and a blue brush.
class CanvasTest : public ::testing::Test {
protected:
    void SetUp() override {
        bitmap.SetSize(12, 12);
        canvas().Pen().SetColor(clRed);
        canvas().Brush().SetColor(clBlue);
    }
    TCanvas& canvas() { return bitmap.Canvas(); }
    std::vector<QPoint> Of(TColor color) const { return PixelsOfColor(bitmap.Image(), color); }
    std::vector<QPoint> Where(const std::function<bool(int, int)>& inside) const {
        return PointsWhere(bitmap.Width(), bitmap.Height(), inside);
    }

    TBitmap bitmap;
};

void FillBitmap(TBitmap& b, int w, int h, const std::function<TColor(int, int)>& color) {
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixels(x, y, color(x, y));
}

TColor Checker(int x, int y) {
    static const TColor kColors[] = {clRed, clLime, clBlue, clFuchsia};
    return kColors[y * 2 + x];
}

} // namespace

TEST_F(CanvasTest, FillRectCoversLeftTopUpToRightBottomExclusive) {
    canvas().FillRect(Rect(2, 3, 6, 8));
    EXPECT_EQ(Of(clBlue), Where([](int x, int y) { return x >= 2 && x < 6 && y >= 3 && y < 8; }));
    canvas().Brush().SetStyle(TBrushStyle::bsClear);
    canvas().FillRect(Rect(0, 0, 12, 12));
    EXPECT_EQ(Of(clBlue).size(), 20u);
}

TEST_F(CanvasTest, FrameRectDrawsTheOuterPixelsInsideTheRectangle) {
    canvas().FrameRect(Rect(1, 2, 5, 6));
    EXPECT_EQ(Of(clBlue), Where([](int x, int y) {
                  const bool inBox = x >= 1 && x <= 4 && y >= 2 && y <= 5;
                  return inBox && (x == 1 || x == 4 || y == 2 || y == 5);
              }));
    canvas().FrameRect(Rect(8, 8, 8, 11));
    EXPECT_EQ(Of(clBlue).size(), 12u);
}

TEST_F(CanvasTest, RectangleOutlinesWithPenAndFillsWithBrush) {
    canvas().Rectangle(1, 1, 6, 5);
    EXPECT_EQ(Of(clRed), Where([](int x, int y) {
                  return x >= 1 && x <= 5 && y >= 1 && y <= 4 &&
                         (x == 1 || x == 5 || y == 1 || y == 4);
              }));
    EXPECT_EQ(Of(clBlue), Where([](int x, int y) { return x >= 2 && x <= 4 && y >= 2 && y <= 3; }));
}

TEST_F(CanvasTest, RectangleWithoutPenFillsOneLessAndClearBrushKeepsInterior) {
    canvas().Pen().SetStyle(TPenStyle::psClear);
    canvas().Rectangle(1, 1, 6, 5);
    EXPECT_EQ(Of(clBlue), Where([](int x, int y) { return x >= 1 && x <= 4 && y >= 1 && y <= 3; }));

    canvas().Pen().SetStyle(TPenStyle::psSolid);
    canvas().Brush().SetStyle(TBrushStyle::bsClear);
    canvas().Rectangle(6, 6, 10, 10);
    EXPECT_EQ(bitmap.Pixels(7, 7), kPaper);
    EXPECT_EQ(bitmap.Pixels(6, 9), clRed);
    EXPECT_EQ(bitmap.Pixels(10, 10), kPaper);
}

TEST_F(CanvasTest, RoundRectOutlineFollowsTheRegionCorners) {
    canvas().Brush().SetStyle(TBrushStyle::bsClear);
    canvas().RoundRect(0, 0, 10, 10, 4, 4);
    // 4 x 4 corners cut one pixel: the outline is 8 pixels on rows 0 and 9, two on the rest.
    EXPECT_EQ(Of(clRed), Where([](int x, int y) {
                  if (y == 0 || y == 9)
                      return x >= 1 && x <= 8;
                  return y < 9 && (x == 0 || x == 9);
              }));
}

TEST_F(CanvasTest, LineToLeavesOutTheEndPoint) {
    canvas().MoveTo(1, 2);
    canvas().LineTo(6, 2);
    canvas().LineTo(6, 7);
    canvas().MoveTo(0, 11);
    canvas().LineTo(4, 7);
    EXPECT_EQ(canvas().PenPos(), (TPoint{4, 7}));
    EXPECT_EQ(Of(clRed), Where([](int x, int y) {
                  return (y == 2 && x >= 1 && x <= 5) || (x == 6 && y >= 2 && y <= 6) ||
                         (x + y == 11 && x <= 3);
              }));
}

TEST_F(CanvasTest, TransparentDrawLeavesOutTheBottomLeftColour) {
    TBitmap sprite;
    FillBitmap(sprite, 3, 3,
               [](int x, int y) { return x == y || (x == 0 && y == 2) ? clFuchsia : clLime; });
    canvas().Draw(2, 2, sprite);
    EXPECT_EQ(Of(clFuchsia).size(), 4u);

    bitmap.SetSize(0, 0);
    bitmap.SetSize(12, 12);
    sprite.SetTransparent(true);
    canvas().Draw(2, 2, sprite);
    EXPECT_TRUE(Of(clFuchsia).empty());
    EXPECT_EQ(Of(clLime).size(), 5u);
    EXPECT_EQ(bitmap.Pixels(3, 3), kPaper);

    sprite.SetTransparentColor(clLime);
    canvas().Draw(6, 6, sprite);
    EXPECT_EQ(Of(clFuchsia).size(), 4u);
    EXPECT_EQ(bitmap.Pixels(7, 6), kPaper);
}

TEST_F(CanvasTest, StretchingRepeatsPixelsWithoutSmoothing) {
    TBitmap checker;
    FillBitmap(checker, 2, 2, Checker);
    canvas().StretchDraw(Rect(4, 4, 8, 8), checker);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(bitmap.Pixels(4 + x, 4 + y), Checker(x / 2, y / 2)) << x << "," << y;

    // An uneven factor still only repeats source pixels.
    canvas().StretchDraw(Rect(0, 0, 3, 5), checker);
    std::set<TColor> seen;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 3; ++x)
            seen.insert(bitmap.Pixels(x, y));
    EXPECT_EQ(seen, (std::set<TColor>{clRed, clLime, clBlue, clFuchsia}));
}

TEST_F(CanvasTest, CopyRectAndDrawTransparentScaleTheSourceRectangle) {
    TBitmap source;
    FillBitmap(source, 4, 4, [](int x, int y) {
        return x >= 1 && x <= 2 && y >= 1 && y <= 2 ? Checker(x - 1, y - 1) : clBlack;
    });
    canvas().CopyRect(Rect(0, 0, 4, 4), source.Canvas(), Rect(1, 1, 3, 3));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(bitmap.Pixels(x, y), Checker(x / 2, y / 2));

    canvas().FillRect(Rect(0, 0, 12, 12));
    canvas().DrawTransparent(Rect(0, 0, 4, 4), source, Rect(1, 1, 3, 3), clLime);
    EXPECT_EQ(Of(clLime).size(), 0u);
    EXPECT_EQ(Of(clRed), Where([](int x, int y) { return x < 2 && y < 2; }));
    EXPECT_EQ(bitmap.Pixels(3, 0), clBlue);
}

TEST_F(CanvasTest, PixelsOutsideAreIgnoredAndSetSizeKeepsTheCanvas) {
    canvas().SetPixels(3, 4, clGreen);
    canvas().SetPixels(12, 0, clGreen);
    EXPECT_EQ(canvas().Pixels(3, 4), clGreen);
    EXPECT_EQ(canvas().Pixels(-1, 0), clNone);
    bitmap.SetSize(14, 5);
    EXPECT_EQ(bitmap.Pixels(3, 4), clGreen);
    EXPECT_EQ(bitmap.Pixels(13, 4), kPaper);
    canvas().FillRect(Rect(12, 0, 14, 1));
    EXPECT_EQ(bitmap.Pixels(13, 0), clBlue);
}

TEST_F(CanvasTest, FocusRectInvertsEveryOtherEdgePixelAndTwiceTakesItAway) {
    canvas().FillRect(Rect(0, 0, 12, 12));
    canvas().DrawFocusRect(Rect(1, 2, 7, 6));
    const auto onEdge = [](int x, int y) {
        const bool inside = x >= 1 && x < 7 && y >= 2 && y < 6;
        const bool edge = x == 1 || x == 6 || y == 2 || y == 5;
        return inside && edge && (x + y) % 2 == 0;
    };
    EXPECT_EQ(Of(TColor(0x00FFFF)), Where(onEdge)); // blue inverted is yellow
    canvas().DrawFocusRect(Rect(1, 2, 7, 6));
    EXPECT_EQ(Of(clBlue).size(), 144u);
    // A one-pixel-high rectangle inverts its dots once, not twice.
    canvas().DrawFocusRect(Rect(0, 0, 4, 1));
    EXPECT_EQ(Of(TColor(0x00FFFF)),
              Where([](int x, int y) { return y == 0 && x % 2 == 0 && x < 4; }));
}

TEST_F(CanvasTest, APatternBrushTilesFromTheOriginAndTheOriginAndClipMoveDrawing) {
    QImage pattern(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pattern.setPixel(x, y, (x + 2 * y) % 3 == 0 ? qRgb(255, 0, 0) : qRgb(0, 255, 0));
    const auto patternAt = [](int x, int y) {
        return (x % 8 + 2 * (y % 8)) % 3 == 0 ? clRed : clLime;
    };
    canvas().Brush().SetPattern(pattern);
    canvas().FillRect(Rect(3, 2, 12, 12));
    EXPECT_EQ(bitmap.Pixels(0, 0), kPaper);
    for (int y = 2; y < 12; ++y)
        for (int x = 3; x < 12; ++x)
            ASSERT_EQ(bitmap.Pixels(x, y), patternAt(x, y)) << x << "," << y;

    // Moved to (4, 4), the canvas draws and reads there; the tiles start there too; the clip
    // keeps drawing inside it.
    canvas().Brush().SetPattern(QImage());
    canvas().Brush().SetColor(clBlue);
    canvas().FillRect(Rect(0, 0, 12, 12));
    canvas().SetOrigin({4, 4});
    canvas().SetClipRect(Rect(0, 0, 3, 3));
    canvas().Brush().SetPattern(pattern);
    canvas().FillRect(Rect(-4, -4, 8, 8));
    canvas().SetPixels(5, 5, clBlack); // outside the clip
    canvas().ClearClipRect();
    EXPECT_EQ(canvas().Pixels(0, 0), patternAt(0, 0));
    canvas().SetOrigin({});
    EXPECT_EQ(Of(clBlue).size(), 144u - 9u);
    for (int y = 4; y < 7; ++y)
        for (int x = 4; x < 7; ++x)
            EXPECT_EQ(bitmap.Pixels(x, y), patternAt(x - 4, y - 4));
}

TEST(TCanvasDevice, DrawsOnAnyPaintDeviceWithoutPixelAccess) {
    QPixmap pixmap(6, 6);
    pixmap.fill(Qt::white);
    TCanvas canvas(&pixmap);
    canvas.Brush().SetColor(clGreen);
    canvas.FrameRect(Rect(0, 0, 6, 6));
    EXPECT_EQ(canvas.Pixels(0, 0), clNone);
    const QImage image = pixmap.toImage();
    EXPECT_EQ(PixelsOfColor(image, clGreen).size(), 20u);
    EXPECT_EQ(PixelsOfColor(image, clWhite).size(), 16u);
}

TEST(TCanvasDevice, DrawsThroughAnOpenPainterAndLeavesItsStateAlone) {
    QImage image(6, 6, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setBrush(Qt::red);
    TCanvas canvas(&painter);
    canvas.Brush().SetColor(clLime);
    canvas.FillRect(Rect(0, 0, 3, 6));
    EXPECT_EQ(painter.brush().color(), QColor(Qt::red));
    EXPECT_EQ(painter.compositionMode(), QPainter::CompositionMode_SourceOver);
    canvas.DrawFocusRect(Rect(0, 0, 6, 6));
    EXPECT_EQ(painter.compositionMode(), QPainter::CompositionMode_SourceOver);
    painter.end();
    EXPECT_EQ(PixelsOfColor(image, TColor(0xFF00FF)).size(), 5u); // lime dots inverted
    EXPECT_EQ(PixelsOfColor(image, clBlack).size(), 5u);          // white dots inverted
}
