#include "skin/SUIPublic.h"

#include "framework/core/TApplication.h"
#include "framework/core/TForm.h"
#include "framework/core/TWinControl.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/graphics/TFont.h"

#include <QApplication>
#include <QPainter>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

namespace {

// Source pixels carry their own coordinates (red = x, green = y) under a tag in blue, so every
// drawn pixel tells where it came from. No coded pixel is fuchsia.
constexpr int kCodeTag = 0x40;
constexpr TColor kSentinel = 0x123456;
constexpr TColor kYellow = 0x00FFFF;

TColor Code(int x, int y) {
    return x | (y << 8) | (kCodeTag << 16);
}

std::optional<QPoint> Decode(TColor c) {
    if (((c >> 16) & 0xFF) != kCodeTag)
        return std::nullopt;
    return QPoint(c & 0xFF, (c >> 8) & 0xFF);
}

void FillCoded(TBitmap& bitmap, int w, int h) {
    bitmap.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            bitmap.SetPixels(x, y, Code(x, y));
}

void Fill(TBitmap& bitmap, int w, int h, TColor color) {
    bitmap.SetSize(w, h);
    bitmap.Canvas().Brush().SetColor(color);
    bitmap.Canvas().FillRect(Rect(0, 0, w, h));
}

// Which source pixels a nearest-neighbour stretch may take for target pixel t: those the
// target pixel's span covers.
bool WithinSpan(int t, int targetLen, int s, int sourceLen) {
    const int first = t * sourceLen / targetLen;
    const int last = ((t + 1) * sourceLen + targetLen - 1) / targetLen - 1;
    return s >= first && s <= last;
}

// One piece of a corner-kept draw: its target rectangle and the source rectangle stretched
// onto it. Later pieces cover earlier ones where they overlap.
struct Piece {
    const char* Name;
    TRect Target;
    TRect Source;
};

bool Contains(const TRect& r, int x, int y) {
    return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

// Every pixel of the W x H target must come from the last listed piece covering it.
void ExpectPieces(const TBitmap& drawn, int W, int H, const std::vector<Piece>& pieces) {
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const Piece* owner = nullptr;
            for (const Piece& p : pieces)
                if (Contains(p.Target, x, y))
                    owner = &p;
            ASSERT_NE(owner, nullptr) << "no piece covers " << x << "," << y;
            const std::optional<QPoint> from = Decode(drawn.Pixels(x, y));
            ASSERT_TRUE(from) << owner->Name << " left " << x << "," << y << " undrawn";
            const TRect& t = owner->Target;
            const TRect& s = owner->Source;
            EXPECT_TRUE(WithinSpan(x - t.Left, t.Width(), from->x() - s.Left, s.Width()) &&
                        WithinSpan(y - t.Top, t.Height(), from->y() - s.Top, s.Height()))
                << owner->Name << ": target " << x << "," << y << " came from " << from->x() << ","
                << from->y();
        }
    }
}

class DrawCornerStretchedTest : public testing::Test {
protected:
    void SetUp() override { FillCoded(source_, 77, 27); }
    const TBitmap& Draw(int canvasW, int canvasH, const TRect& rect, bool transparent) {
        Fill(target_, canvasW, canvasH, kSentinel);
        DrawCornerStretched(source_, target_.Canvas(), rect, transparent);
        return target_;
    }
    TBitmap source_;
    TBitmap target_;
};

TEST_F(DrawCornerStretchedTest, ButtonFrameIntoSmallerButtonPieceByPiece) {
    const TBitmap& drawn = Draw(49, 25, Rect(0, 0, 49, 25), false);
    ExpectPieces(drawn, 49, 25,
                 {
                     {"top-left", Rect(0, 0, 24, 12), Rect(0, 0, 24, 12)},
                     {"bottom-left", Rect(0, 14, 24, 25), Rect(0, 16, 24, 27)},
                     {"left edge", Rect(0, 12, 24, 14), Rect(0, 13, 24, 14)},
                     {"top-right", Rect(26, 0, 49, 12), Rect(54, 0, 77, 12)},
                     {"bottom-right", Rect(26, 14, 49, 25), Rect(54, 16, 77, 27)},
                     {"right edge", Rect(26, 12, 49, 14), Rect(54, 14, 77, 15)},
                     {"top edge", Rect(24, 0, 26, 12), Rect(38, 0, 40, 12)},
                     {"middle", Rect(24, 12, 26, 13), Rect(38, 13, 40, 14)},
                     {"bottom edge", Rect(23, 13, 26, 25), Rect(38, 15, 40, 27)},
                 });
}

TEST_F(DrawCornerStretchedTest, TargetSmallerThanTheSourceCornersKeepsTheOuterPixels) {
    const TBitmap& drawn = Draw(10, 6, Rect(0, 0, 10, 6), true);
    // The middle has no height here and is left out.
    ExpectPieces(drawn, 10, 6,
                 {
                     {"top-left", Rect(0, 0, 5, 3), Rect(0, 0, 5, 3)},
                     {"bottom-left", Rect(0, 4, 5, 6), Rect(0, 25, 5, 27)},
                     {"left edge", Rect(0, 3, 5, 4), Rect(0, 13, 5, 14)},
                     {"top-right", Rect(6, 0, 10, 3), Rect(73, 0, 77, 3)},
                     {"bottom-right", Rect(6, 4, 10, 6), Rect(73, 25, 77, 27)},
                     {"right edge", Rect(6, 3, 10, 4), Rect(73, 14, 77, 15)},
                     {"top edge", Rect(5, 0, 6, 3), Rect(38, 0, 40, 3)},
                     {"bottom edge", Rect(4, 3, 6, 6), Rect(38, 24, 40, 27)},
                 });
}

TEST_F(DrawCornerStretchedTest, TinyTargetsStayInsideTheirRectangle) {
    for (int w = 0; w <= 6; ++w) {
        for (int h = 0; h <= 6; ++h) {
            const TBitmap& drawn = Draw(9, 8, Rect(0, 0, w, h), false);
            for (int y = 0; y < 8; ++y) {
                for (int x = 0; x < 9; ++x) {
                    const TColor pixel = drawn.Pixels(x, y);
                    const bool inside = x < w && y < h;
                    ASSERT_TRUE(inside ? Decode(pixel).has_value() : pixel == kSentinel)
                        << w << "x" << h << " at " << x << "," << y
                        << (inside ? " undrawn" : " drawn outside");
                }
            }
        }
    }
}

TEST_F(DrawCornerStretchedTest, FuchsiaLeftOutOfEdgesAlwaysAndOfCornersWhenTransparent) {
    source_.SetPixels(0, 0, clFuchsia);   // top-left corner
    source_.SetPixels(76, 26, clFuchsia); // bottom-right corner
    source_.SetPixels(39, 5, clFuchsia);  // top edge: target (25, 5)
    source_.SetPixels(10, 13, clFuchsia); // left edge: target (10, 12) and (10, 13)
    source_.SetPixels(38, 15, clFuchsia); // bottom edge's top row: target (23..25, 13)
    source_.SetPixels(39, 15, clFuchsia);

    const TBitmap& opaque = Draw(49, 25, Rect(0, 0, 49, 25), false);
    EXPECT_EQ(opaque.Pixels(0, 0), clFuchsia);
    EXPECT_EQ(opaque.Pixels(48, 24), clFuchsia);
    EXPECT_EQ(opaque.Pixels(25, 5), kSentinel);
    EXPECT_EQ(opaque.Pixels(10, 12), kSentinel);
    EXPECT_EQ(opaque.Pixels(10, 13), kSentinel);
    // Through the bottom edge's holes: the left edge below it, and nothing right of that,
    // since the middle ends one row higher.
    EXPECT_EQ(opaque.Pixels(23, 13), Code(23, 13));
    EXPECT_EQ(opaque.Pixels(24, 13), kSentinel);
    EXPECT_EQ(opaque.Pixels(25, 13), kSentinel);

    const TBitmap& transparent = Draw(49, 25, Rect(0, 0, 49, 25), true);
    EXPECT_EQ(transparent.Pixels(0, 0), kSentinel);
    EXPECT_EQ(transparent.Pixels(48, 24), kSentinel);
    EXPECT_EQ(transparent.Pixels(25, 5), kSentinel);
    EXPECT_EQ(transparent.Pixels(1, 0), Code(1, 0));
}

TEST_F(DrawCornerStretchedTest, EmptySourceDrawsNothing) {
    source_.SetSize(0, 0);
    const TBitmap& drawn = Draw(20, 10, Rect(0, 0, 20, 10), false);
    EXPECT_EQ(drawn.Pixels(0, 0), kSentinel);
    EXPECT_EQ(drawn.Pixels(10, 5), kSentinel);
    EXPECT_EQ(drawn.Pixels(19, 9), kSentinel);
}

TEST(CutStripFrame, FramesOfAStripWhoseWidthIsNotAMultipleOfTheCount) {
    TBitmap strip;
    FillCoded(strip, 10, 4);
    TBitmap frame;
    for (const auto& [index, firstColumn] : {std::pair{1, 0}, {2, 3}, {3, 6}}) {
        CutStripFrame(strip, frame, 3, index);
        ASSERT_EQ(frame.Width(), 3);
        ASSERT_EQ(frame.Height(), 4);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(frame.Pixels(x, y), Code(firstColumn + x, y)) << "frame " << index;
    }
}

TEST(CutStripFrame, StripMayBeItsOwnTargetAndKeepsTheTargetsTransparency) {
    TBitmap strip;
    FillCoded(strip, 12, 2);
    strip.SetTransparent(true);
    CutStripFrame(strip, strip, 4, 4);
    ASSERT_EQ(strip.Width(), 3);
    EXPECT_EQ(strip.Pixels(0, 1), Code(9, 1));
    EXPECT_EQ(strip.Pixels(2, 0), Code(11, 0));
    EXPECT_TRUE(strip.Transparent());
}

TEST(CutStripFrame, FrameThatDoesNotExistEmptiesTheTarget) {
    TBitmap strip;
    FillCoded(strip, 12, 2);
    for (const auto& [count, index] : {std::pair{0, 1}, {3, 0}, {3, 4}, {-1, -1}}) {
        TBitmap frame;
        Fill(frame, 5, 5, kSentinel);
        CutStripFrame(strip, frame, count, index);
        EXPECT_TRUE(frame.Empty()) << count << " frames, index " << index;
    }
}

// Paints a fixed colour over its whole area, as a graphic control on the parent's window.
class PaintedBlock : public TControl {
public:
    using TControl::TControl;
    void PaintTo(TCanvas& canvas) override {
        canvas.Brush().SetColor(Color());
        canvas.FillRect(Rect(0, 0, Width(), Height()));
    }
};

TEST(DrawParentBackground, ParentFaceAndGraphicControlsClippedToTheParent) {
    TWinControl parent(nullptr);
    parent.SetBounds(0, 0, 30, 20);
    parent.SetColor(clRed);
    auto* block = new PaintedBlock(nullptr);
    block->SetBounds(12, 4, 4, 4);
    block->SetColor(clBlue);
    block->SetParent(&parent);
    auto* sibling = new TWinControl(nullptr); // windows of their own are never part of it
    sibling->SetBounds(20, 10, 5, 5);
    sibling->SetColor(clLime);
    sibling->SetParent(&parent);
    auto* control = new TWinControl(nullptr);
    control->SetBounds(10, 2, 25, 10); // five columns hang out past the parent's right edge
    control->SetColor(kYellow);
    control->SetParent(&parent);

    TBitmap buffer;
    Fill(buffer, 25, 10, kSentinel);
    DrawParentBackground(buffer.Canvas(), *control);

    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 25; ++x) {
            const int px = x + 10;
            const int py = y + 2;
            const TColor expected = px >= 30                               ? kSentinel
                                    : Contains(Rect(12, 4, 16, 8), px, py) ? clBlue
                                                                           : clRed;
            ASSERT_EQ(buffer.Pixels(x, y), expected) << x << "," << y;
        }
    }
}

TEST(DrawParentBackground, WithoutParentNothingIsDrawn) {
    TWinControl control(nullptr);
    control.SetBounds(0, 0, 4, 4);
    TBitmap buffer;
    Fill(buffer, 4, 4, kSentinel);
    DrawParentBackground(buffer.Canvas(), control);
    EXPECT_EQ(buffer.Pixels(0, 0), kSentinel);
    EXPECT_EQ(buffer.Pixels(3, 3), kSentinel);
}

TEST(DrawControlBorder, OuterAndInnerRingsOnTheWholeWindowWithTheBrushKept) {
    TControl control(nullptr);
    control.SetBounds(5, 5, 6, 5);
    for (const bool inner : {true, false}) {
        TBitmap window;
        Fill(window, 8, 7, kSentinel);
        window.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
        window.Canvas().Brush().SetColor(clGreen);
        DrawControlBorder(control, window.Canvas(), 0x332211, clBtnFace, inner);
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 8; ++x) {
                const bool outerRing =
                    Contains(Rect(0, 0, 6, 5), x, y) && !Contains(Rect(1, 1, 5, 4), x, y);
                const bool innerRing =
                    Contains(Rect(1, 1, 5, 4), x, y) && !Contains(Rect(2, 2, 4, 3), x, y);
                const TColor expected = outerRing              ? 0x332211
                                        : (innerRing && inner) ? ColorToRGB(clBtnFace)
                                                               : kSentinel;
                ASSERT_EQ(window.Pixels(x, y), expected) << x << "," << y << " inner " << inner;
            }
        }
        EXPECT_EQ(window.Canvas().Brush().Style(), TBrushStyle::bsClear);
        EXPECT_EQ(window.Canvas().Brush().Color(), clGreen);
    }
}

TEST(PointInRectInclusive, AllFourEdgesCountAsInside) {
    const TRect r = Rect(0, 0, 10, 10);
    for (const TPoint p :
         {TPoint{10, 10}, TPoint{0, 0}, TPoint{10, 0}, TPoint{0, 10}, TPoint{5, 5}})
        EXPECT_TRUE(PointInRectInclusive(p, r)) << p.X << "," << p.Y;
    for (const TPoint p : {TPoint{11, 5}, TPoint{-1, 5}, TPoint{5, 11}, TPoint{5, -1}})
        EXPECT_FALSE(PointInRectInclusive(p, r)) << p.X << "," << p.Y;
}

TEST(SetFormBoundsRect, RightAndBottomBecomeWidthAndHeight) {
    TForm form(nullptr);
    SetFormBoundsRect(form, Rect(30, 40, 330, 240));
    EXPECT_EQ(form.BoundsRect(), Rect(30, 40, 330, 240));
}

// Rules about the application's main form, with an application object of the test's own.
class IsFormActiveTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(Application, nullptr); }
    void TearDown() override {
        app_.reset();
        EXPECT_EQ(Application, nullptr);
    }
    TForm* MakeMainForm(TFormStyle style) {
        app_ = std::make_unique<TApplication>();
        TForm* form = nullptr;
        app_->CreateForm(form);
        form->SetFormStyle(style);
        return form;
    }
    std::unique_ptr<TApplication> app_;
};

TEST_F(IsFormActiveTest, WithoutMainFormTheFormsOwnFlagDecides) {
    TForm form(nullptr);
    EXPECT_FALSE(IsFormActive(&form));
    EXPECT_FALSE(IsFormActive(nullptr));
}

TEST_F(IsFormActiveTest, MdiFrameIsActiveEvenWithoutFocus) {
    TForm* frame = MakeMainForm(TFormStyle::fsMDIForm);
    ASSERT_EQ(QGuiApplication::focusWindow(), nullptr);
    EXPECT_TRUE(IsFormActive(frame));
    TForm other(nullptr);
    EXPECT_FALSE(IsFormActive(&other));
}

TEST_F(IsFormActiveTest, ApplicationWithoutFocusDrawsNoFormActive) {
    TForm* main = MakeMainForm(TFormStyle::fsNormal);
    ASSERT_EQ(QGuiApplication::focusWindow(), nullptr);
    EXPECT_FALSE(IsFormActive(main));
    EXPECT_FALSE(IsFormActive(nullptr));
}

TEST(AssignSystemMenuFont, ReplacesTheWholeFontAndTakesTheMenuTextColour) {
    TFont font;
    font.SetName(QStringLiteral("Nothing Like A Menu Font"));
    font.SetHeight(-40);
    font.SetStyle(TFontStyles(Framework::fsItalic) | Framework::fsStrikeOut);
    font.SetColor(clRed);
    AssignSystemMenuFont(font);
    const QFont menu = QApplication::font("QMenu");
    EXPECT_EQ(font.Name(), menu.family());
    EXPECT_NE(font.Height(), -40);
    EXPECT_EQ(font.Style().testFlag(Framework::fsItalic), menu.italic());
    EXPECT_EQ(font.Style().testFlag(Framework::fsStrikeOut), menu.strikeOut());
    EXPECT_EQ(static_cast<std::uint32_t>(font.Color()), 0xFF000007u);
}

TEST(FillAndFrameRectColor, DrawEvenWhenTheBrushWasLeftClear) {
    TBitmap bitmap;
    Fill(bitmap, 6, 6, kSentinel);
    bitmap.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    FillRectColor(bitmap.Canvas(), Rect(1, 1, 5, 5), clBlue);
    bitmap.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    FrameRectColor(bitmap.Canvas(), Rect(0, 0, 6, 6), clRed);
    EXPECT_EQ(bitmap.Pixels(0, 0), clRed);
    EXPECT_EQ(bitmap.Pixels(5, 3), clRed);
    EXPECT_EQ(bitmap.Pixels(1, 1), clBlue);
    EXPECT_EQ(bitmap.Pixels(4, 4), clBlue);
    EXPECT_EQ(bitmap.Canvas().Brush().Color(), clRed);
}

TEST(DrawSeparatorLine, RowTwoFromPastTheIndentToShortOfTheRight) {
    TBitmap bitmap;
    Fill(bitmap, 40, 8, kSentinel);
    DrawSeparatorLine(bitmap.Canvas(), Rect(2, 1, 38, 7), clBlue, 5);
    // From 2 + 5 + 4 = 11 up to, not including, 38 - 2 = 36, on row 1 + 2 = 3.
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(bitmap.Pixels(x, y), y == 3 && x >= 11 && x < 36 ? clBlue : kSentinel)
                << x << "," << y;
    EXPECT_EQ(bitmap.Canvas().Pen().Color(), clBlue);
}

TEST(DrawMenuWindowBorder, FramesWhiteRingAndShadowWithPenAndBrushKept) {
    constexpr TColor outer = 0x010203;
    constexpr TColor shadow = 0x0A0B0C;
    TBitmap window;
    Fill(window, 8, 6, kSentinel);
    TCanvas& canvas = window.Canvas();
    canvas.Pen().SetColor(clGreen);
    canvas.Brush().SetColor(kYellow);
    canvas.MoveTo(3, 3);
    DrawMenuWindowBorder(canvas, Rect(0, 0, 8, 6), outer, shadow);

    // Outer frame (0, 1)-(6, 4), white ring (1, 2)-(5, 3); the shadow takes the bottom row,
    // the right column and the top row but for its first pixel.
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            TColor want = kSentinel;
            if (y == 5 || x == 7)
                want = shadow;
            else if (y == 0)
                want = x == 0 ? kSentinel : shadow;
            else if (x == 0 || x == 6 || y == 1 || y == 4)
                want = outer;
            else if (x == 1 || x == 5 || y == 2 || y == 3)
                want = clWhite;
            ASSERT_EQ(window.Pixels(x, y), want) << x << "," << y;
        }
    }
    EXPECT_EQ(canvas.Pen().Color(), clGreen);
    EXPECT_EQ(canvas.Brush().Color(), kYellow);
    EXPECT_EQ(canvas.PenPos(), (TPoint{3, 3}));
}

// The MacOS menu pictures are one pixel wide; each target row shows one of the kept top rows.
TEST(DrawMacMenuPictures, KeepTheTopRowsOfTheirPicture) {
    struct Case {
        void (*Draw)(TCanvas&, const TRect&);
        const char* Resource;
        int Rows;
    };
    for (const Case& c : {Case{DrawMacMenuBar, "MACOS_MENU_BAR", 12},
                          Case{DrawMacMenuBarItem, "MACOS_MENU_BAR", 20},
                          Case{DrawMacMenuSelect, "MACOS_MENU_SELECT", 20}}) {
        TBitmap picture;
        ASSERT_NO_THROW(picture.LoadFromResourceName(QString::fromLatin1(c.Resource)));
        TBitmap target;
        Fill(target, 7, c.Rows + 2, kSentinel);
        c.Draw(target.Canvas(), Rect(2, 1, 7, c.Rows + 1));
        for (int y = 0; y < c.Rows + 2; ++y)
            for (int x = 0; x < 7; ++x) {
                const bool inside = x >= 2 && y >= 1 && y <= c.Rows;
                ASSERT_EQ(target.Pixels(x, y), inside ? picture.Pixels(0, y - 1) : kSentinel)
                    << c.Resource << " " << x << "," << y;
            }
    }
}

} // namespace
