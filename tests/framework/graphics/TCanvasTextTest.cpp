#include "framework/graphics/DrawTextFlags.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "support/ImageCompare.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 40;
const TRect kBox = Rect(10, 5, 110, 35);

// Black text on white paper, clear brush, drawn through DrawText into kBox.
class TextTest : public ::testing::Test {
protected:
    void SetUp() override { Clear(); }
    void Clear() {
        bitmap.SetSize(0, 0);
        bitmap.SetSize(kWidth, kHeight);
        canvas().Brush().SetStyle(TBrushStyle::bsClear);
        canvas().Font().SetColor(clBlack);
        canvas().Font().SetHeight(-13);
    }
    TCanvas& canvas() { return bitmap.Canvas(); }
    QImage Drawn(const QString& text, unsigned flags) {
        Clear();
        TRect box = kBox;
        canvas().DrawText(text, box, flags);
        return bitmap.Image();
    }
    TRect Measured(const QString& text, unsigned flags, TRect box = kBox) {
        canvas().DrawText(text, box, flags | DT_CALCRECT);
        return box;
    }

    TBitmap bitmap;
};

} // namespace

TEST_F(TextTest, CalcRectMeasuresWithoutDrawing) {
    const int width = canvas().TextWidth("Tiger");
    const int height = canvas().TextHeight("Tiger");
    EXPECT_GT(width, 0);
    EXPECT_EQ(canvas().TextHeight("."), height);
    TRect box = kBox;
    EXPECT_EQ(canvas().DrawText("Tiger", box, DT_SINGLELINE | DT_CENTER | DT_CALCRECT), height);
    EXPECT_EQ(box, Rect(kBox.Left, kBox.Top, kBox.Left + width, kBox.Top + height));
    EXPECT_TRUE(PixelsOfColor(bitmap.Image(), clBlack).empty());

    EXPECT_EQ(Measured("ab\ncdefgh", 0),
              Bounds(kBox.Left, kBox.Top, canvas().TextWidth("cdefgh"), 2 * height));
    EXPECT_EQ(Measured("ab\ncdefgh", DT_SINGLELINE).Height(), height);
    EXPECT_EQ(Measured("", 0).Height(), 0);
}

TEST_F(TextTest, WordBreakWrapsWholeWordsToTheWidth) {
    const int word = canvas().TextWidth("aaa");
    const TRect narrow = Bounds(0, 0, word + 2, 100);
    const TRect wrapped = Measured("aaa bbb", DT_WORDBREAK, narrow);
    EXPECT_EQ(wrapped.Height(), 2 * canvas().TextHeight("a"));
    EXPECT_EQ(wrapped.Width(), std::max(word, canvas().TextWidth("bbb")));
    EXPECT_EQ(Measured("aaaaaaaa", DT_WORDBREAK, narrow).Width(), canvas().TextWidth("aaaaaaaa"));
    EXPECT_EQ(Measured("a\tb", DT_EXPANDTABS).Width(), canvas().TextWidth("a       b"));
}

TEST_F(TextTest, AlignsHorizontallyAndCentresSingleLinesVertically) {
    const QString text = "Hg";
    const int slack = kBox.Width() - canvas().TextWidth(text);
    const int vslack = kBox.Height() - canvas().TextHeight(text);
    const QRect left = InkBounds(Drawn(text, DT_SINGLELINE), clWhite);
    const QRect center = InkBounds(Drawn(text, DT_SINGLELINE | DT_CENTER | DT_VCENTER), clWhite);
    const QRect right = InkBounds(Drawn(text, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM), clWhite);
    ASSERT_FALSE(left.isNull());
    EXPECT_EQ(center.topLeft() - left.topLeft(), QPoint(slack / 2, vslack / 2));
    EXPECT_EQ(right.topLeft() - left.topLeft(), QPoint(slack, vslack));
    // Without DT_SINGLELINE vertical alignment does not apply.
    EXPECT_EQ(InkBounds(Drawn(text, DT_VCENTER), clWhite), left);
}

TEST_F(TextTest, AmpersandUnderlinesTheNextCharacter) {
    const QImage plain = Drawn("Wx", DT_SINGLELINE);
    const QImage marked = Drawn("&Wx", DT_SINGLELINE);
    const std::vector<QPoint> underline = Differences(plain, marked);
    ASSERT_FALSE(underline.empty());
    const QFontMetrics metrics(canvas().Font().ToQFont());
    for (const QPoint& p : underline) {
        EXPECT_GE(p.x(), kBox.Left);
        EXPECT_LT(p.x(), kBox.Left + canvas().TextWidth("W"));
        EXPECT_GT(p.y(), kBox.Top + metrics.ascent() - 1);
    }
    EXPECT_EQ(Measured("&Wx", DT_SINGLELINE).Width(), canvas().TextWidth("Wx"));
    EXPECT_EQ(Drawn("A&&B", DT_SINGLELINE), Drawn("A&B", DT_SINGLELINE | DT_NOPREFIX));
    EXPECT_NE(Drawn("&W", DT_SINGLELINE | DT_NOPREFIX), Drawn("W", DT_SINGLELINE));
}

TEST_F(TextTest, EndEllipsisShortensToTheWidth) {
    const int width = canvas().TextWidth("abc...");
    const TRect box = Bounds(kBox.Left, kBox.Top, width, kBox.Height());
    EXPECT_EQ(Measured("abcdefghij", DT_SINGLELINE | DT_END_ELLIPSIS, box).Width(), width);
    Clear();
    TRect target = box;
    canvas().DrawText("abcdefghij", target, DT_SINGLELINE | DT_END_ELLIPSIS);
    const QImage shortened = bitmap.Image();
    EXPECT_EQ(shortened, Drawn("abc...", DT_SINGLELINE));
    EXPECT_EQ(Measured("abc", DT_SINGLELINE | DT_END_ELLIPSIS, box).Width(),
              canvas().TextWidth("abc"));
}

TEST_F(TextTest, TextOutFillsTheCellUnlessTheBrushIsClear) {
    constexpr TColor kYellow = 0x00FFFF;
    const int width = canvas().TextWidth("M");
    const int height = canvas().TextHeight("M");
    canvas().TextOut(4, 4, "M");
    EXPECT_FALSE(PixelsOfColor(bitmap.Image(), clBlack).empty());
    EXPECT_EQ(canvas().PenPos(), (TPoint{4 + width, 4}));

    Clear();
    canvas().Brush().SetStyle(TBrushStyle::bsSolid);
    canvas().Brush().SetColor(kYellow);
    canvas().TextOut(4, 4, "M");
    EXPECT_EQ(bitmap.Pixels(4, 4), kYellow);
    EXPECT_EQ(bitmap.Pixels(4 + width - 1, 4 + height - 1), kYellow);
    EXPECT_EQ(bitmap.Pixels(4 + width, 4), clWhite);
    EXPECT_EQ(bitmap.Pixels(3, 4), clWhite);
}

TEST_F(TextTest, DrawTextClipsToTheRectangleUnlessNoClip) {
    const QString text = "WWWWWWWWWWWW";
    const TRect narrow = Bounds(kBox.Left, kBox.Top, 20, kBox.Height());
    TRect box = narrow;
    canvas().DrawText(text, box, DT_SINGLELINE);
    EXPECT_LE(InkBounds(bitmap.Image(), clWhite).right(), narrow.Right - 1);
    Clear();
    canvas().DrawText(text, box, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(InkBounds(bitmap.Image(), clWhite).right(), narrow.Right);
}
