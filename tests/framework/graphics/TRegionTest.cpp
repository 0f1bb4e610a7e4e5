#include "framework/graphics/TRegion.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

int RowCount(const TRegion& region, int y, int width) {
    int count = 0;
    for (int x = -1; x <= width; ++x)
        count += region.Contains(x, y) ? 1 : 0;
    return count;
}

// The window region the title bar builds: a round rectangle one pixel larger than the client
// area (GDI leaves out its last row and column), bottom corners squared again.
TRegion FormRegion(int cw, int ch, int radius) {
    TRegion region = TRegion::CreateRoundRectRgn(0, 0, cw + 1, ch + 1, radius, radius);
    const TRegion bottomLeft = TRegion::CreateRectRgn(0, ch - 2 * radius, 2 * radius, ch);
    const TRegion bottomRight = TRegion::CreateRectRgn(cw - 2 * radius, ch - 2 * radius, cw, ch);
    TRegion::CombineRgn(region, region, bottomLeft, RGN_OR);
    TRegion::CombineRgn(region, region, bottomRight, RGN_OR);
    return region;
}

const TRegion kA = TRegion::CreateRectRgn(0, 0, 10, 10);
const TRegion kB = TRegion::CreateRectRgn(5, 5, 15, 15);

std::vector<TRect> Combined(int mode, int expectedKind) {
    TRegion out;
    EXPECT_EQ(TRegion::CombineRgn(out, kA, kB, mode), expectedKind);
    return out.Rects();
}

} // namespace

TEST(TRegion, RectangleExcludesRightAndBottomEdges) {
    const TRegion r = TRegion::CreateRectRgn(2, 3, 6, 8);
    EXPECT_TRUE(r.Contains(2, 3));
    EXPECT_TRUE(r.Contains(5, 7));
    EXPECT_FALSE(r.Contains(6, 7));
    EXPECT_FALSE(r.Contains(5, 8));
    EXPECT_FALSE(r.Contains(1, 3));
    EXPECT_EQ(TRegion::CreateRectRgn(6, 8, 2, 3), r);
    EXPECT_TRUE(TRegion::CreateRectRgn(4, 4, 4, 9).IsEmpty());
    EXPECT_EQ(r.Bounds(), Rect(2, 3, 6, 8));
}

TEST(TRegion, CombinesOverlappingRectanglesIntoBands) {
    EXPECT_EQ(Combined(RGN_OR, COMPLEXREGION),
              (std::vector<TRect>{{0, 0, 10, 5}, {0, 5, 15, 10}, {5, 10, 15, 15}}));
    EXPECT_EQ(Combined(RGN_AND, SIMPLEREGION), (std::vector<TRect>{{5, 5, 10, 10}}));
    EXPECT_EQ(Combined(RGN_DIFF, COMPLEXREGION),
              (std::vector<TRect>{{0, 0, 10, 5}, {0, 5, 5, 10}}));
    EXPECT_EQ(Combined(RGN_XOR, COMPLEXREGION),
              (std::vector<TRect>{{0, 0, 10, 5}, {0, 5, 5, 10}, {10, 5, 15, 10}, {5, 10, 15, 15}}));
    EXPECT_EQ(Combined(RGN_COPY, SIMPLEREGION), kA.Rects());
}

TEST(TRegion, CombineMergesTouchingBandsAndMayWriteIntoAnOperand) {
    TRegion r = TRegion::CreateRectRgn(0, 0, 10, 5);
    EXPECT_EQ(TRegion::CombineRgn(r, r, TRegion::CreateRectRgn(0, 5, 10, 9), RGN_OR), SIMPLEREGION);
    EXPECT_EQ(r, TRegion::CreateRectRgn(0, 0, 10, 9));
    EXPECT_EQ(TRegion::CombineRgn(r, TRegion::CreateRectRgn(20, 0, 30, 5), r, RGN_AND), NULLREGION);
    EXPECT_TRUE(r.IsEmpty());
}

TEST(TRegion, SmallRoundRectangleCutsOneCornerPixelPerRow) {
    // Box 0..9 x 0..9, 4 x 4 corners: only the outermost rows lose a pixel at each end.
    EXPECT_EQ(TRegion::CreateRoundRectRgn(0, 0, 11, 11, 4, 4).Rects(),
              (std::vector<TRect>{{1, 0, 9, 1}, {0, 1, 10, 9}, {1, 9, 9, 10}}));
    // A flat 20 x 6 corner: rows lose 5, 2, 0 pixels; the middle row joins the straight band.
    EXPECT_EQ(TRegion::CreateRoundRectRgn(0, 0, 31, 11, 20, 6).Rects(),
              (std::vector<TRect>{
                  {5, 0, 25, 1}, {2, 1, 28, 2}, {0, 2, 30, 8}, {2, 8, 28, 9}, {5, 9, 25, 10}}));
    // Ellipses under two pixels leave the plain (one smaller) rectangle.
    EXPECT_EQ(TRegion::CreateRoundRectRgn(0, 0, 10, 10, 1, 8), TRegion::CreateRectRgn(0, 0, 9, 9));
}

TEST(TRegion, FormRegionWithRadiusElevenRoundsOnlyTheTopCorners) {
    constexpr int kWidth = 500;
    constexpr int kHeight = 453;
    const TRegion region = FormRegion(kWidth, kHeight, 11);
    EXPECT_EQ(region.Bounds(), Rect(0, 0, kWidth, kHeight));
    // GDI walks the 11 x 11 ellipse from its middle row outwards; the three outermost rows
    // are entered after x has moved 3, 2 and 1 pixels inwards (worked through beside
    // CornerInsets), so rows 0 to 2 lose 3, 2 and 1 pixels at each end and row 3 is whole.
    const int expectedTopRows[] = {494, 496, 498, 500, 500, 500};
    for (int y = 0; y < 6; ++y)
        EXPECT_EQ(RowCount(region, y, kWidth), expectedTopRows[y]) << "row " << y;
    for (int y : {0, 1, 2}) {
        const int inset = 3 - y;
        EXPECT_FALSE(region.Contains(inset - 1, y));
        EXPECT_TRUE(region.Contains(inset, y));
        EXPECT_TRUE(region.Contains(kWidth - 1 - inset, y));
        EXPECT_FALSE(region.Contains(kWidth - inset, y));
    }
    for (int y = kHeight - 6; y < kHeight; ++y)
        EXPECT_EQ(RowCount(region, y, kWidth), kWidth) << "row " << y;
    EXPECT_FALSE(region.Contains(0, kHeight));
    EXPECT_FALSE(region.Contains(kWidth, 0));

    // The round rectangle alone is rounded at the bottom the same way, mirrored.
    const TRegion round = TRegion::CreateRoundRectRgn(0, 0, kWidth + 1, kHeight + 1, 11, 11);
    EXPECT_EQ(RowCount(round, kHeight - 1, kWidth), 494);
    EXPECT_EQ(RowCount(round, kHeight - 3, kWidth), 498);
    EXPECT_EQ(RowCount(round, kHeight - 4, kWidth), 500);
}

TEST(TRegion, FormRegionWithoutRadiusIsTheClientRectangle) {
    EXPECT_EQ(FormRegion(500, 453, 0), TRegion::CreateRectRgn(0, 0, 500, 453));
}

TEST(TRegion, AppliesAsWidgetMaskAndEmptyRemovesIt) {
    QWidget widget;
    widget.resize(40, 30);
    const TRegion r = TRegion::CreateRoundRectRgn(0, 0, 41, 31, 11, 11);
    r.ApplyToWidget(&widget);
    EXPECT_EQ(widget.mask(), r.ToQRegion());
    EXPECT_FALSE(widget.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(widget.mask().contains(QPoint(20, 0)));
    TRegion().ApplyToWidget(&widget);
    EXPECT_TRUE(widget.mask().isEmpty());
}
