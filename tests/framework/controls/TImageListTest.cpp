#include "framework/controls/TImageList.h"
#include "framework/core/Exception.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"

#include <gtest/gtest.h>
#include <set>

namespace {

constexpr TColor kPaper = 0x00FF00;
constexpr TColor kBack = clFuchsia;

// A strip of `count` 4 x 3 images, each filled with kBack but for one pixel at (1, 1) in the
// colour 0x10 * (index + 1).
void MakeStrip(TBitmap& strip, int count) {
    strip.SetSize(4 * count, 3);
    strip.Canvas().Brush().SetColor(kBack);
    strip.Canvas().FillRect(Rect(0, 0, 4 * count, 3));
    for (int i = 0; i < count; ++i)
        strip.SetPixels(4 * i + 1, 1, 0x10 * (i + 1));
}

class ImageListTest : public testing::Test {
protected:
    ImageListTest() {
        images.SetWidth(4);
        images.SetHeight(3);
        paper.SetSize(10, 10);
        paper.Canvas().Brush().SetColor(kPaper);
        paper.Canvas().FillRect(Rect(0, 0, 10, 10));
    }
    TImageList images{nullptr};
    TBitmap paper;
};

} // namespace

TEST_F(ImageListTest, StripsAreCutAndDrawnWithoutTheirBottomLeftColour) {
    TBitmap strip;
    MakeStrip(strip, 3);
    strip.SetSize(14, 3); // two spare columns that make no image
    EXPECT_EQ(images.Add(strip), 0);
    EXPECT_EQ(images.Count(), 3);
    images.Draw(paper.Canvas(), 2, 5, 2);
    EXPECT_EQ(paper.Pixels(3, 6), 0x30);
    EXPECT_EQ(paper.Pixels(2, 5), kPaper);
    EXPECT_EQ(paper.Pixels(5, 7), kPaper);

    TBitmap single;
    MakeStrip(single, 1);
    EXPECT_EQ(images.AddMasked(single, 0x10), 3);
    images.Draw(paper.Canvas(), 0, 0, 3);
    EXPECT_EQ(paper.Pixels(1, 1), kPaper);
    EXPECT_EQ(paper.Pixels(0, 0), kBack);
}

TEST_F(ImageListTest, GreyedImagesShowOnlyTheirShapeInShadowAndHighlight) {
    TBitmap strip;
    MakeStrip(strip, 1);
    images.Add(strip);
    images.Draw(paper.Canvas(), 2, 2, 0, false);
    const TColor shadow = ColorToRGB(clBtnShadow);
    const TColor highlight = ColorToRGB(clBtnHighlight);
    ASSERT_NE(shadow, highlight);
    EXPECT_EQ(paper.Pixels(3, 3), shadow);
    EXPECT_EQ(paper.Pixels(4, 4), highlight);
    std::set<TColor> colours;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            colours.insert(paper.Pixels(x, y));
    EXPECT_EQ(colours, (std::set<TColor>{kPaper, shadow, highlight}));
}

TEST_F(ImageListTest, BadInputIsRefusedOrDrawsNothing) {
    TBitmap strip;
    MakeStrip(strip, 1);
    images.Add(strip);
    const QImage before = paper.Image();
    images.Draw(paper.Canvas(), 0, 0, 1);
    images.Draw(paper.Canvas(), 0, 0, -1);
    EXPECT_EQ(paper.Image(), before);

    auto errorOf = [](const std::function<void()>& action) {
        try {
            action();
        } catch (const EComponentError& error) {
            return error.Message();
        }
        return QStringLiteral("(no error)");
    };
    TBitmap tall;
    tall.SetSize(4, 4);
    EXPECT_EQ(errorOf([&] { images.Add(tall); }),
              QStringLiteral("A 4 x 4 bitmap does not fit an image list of 4 x 3 images"));
    EXPECT_EQ(errorOf([&] { images.Delete(1); }),
              QStringLiteral("Image index 1 out of range (1 images)"));
    EXPECT_EQ(errorOf([&] { images.SetWidth(0); }),
              QStringLiteral("Image list width must be at least one pixel, not 0"));
    EXPECT_EQ(images.Count(), 1);
    images.SetHeight(5); // the images no longer fit
    EXPECT_EQ(images.Count(), 0);
}

TEST_F(ImageListTest, GetBitmapCopiesOneImageWithItsTransparentColour) {
    TBitmap strip;
    MakeStrip(strip, 3);
    images.AddMasked(strip, kBack);
    TBitmap copy;
    images.GetBitmap(2, copy);
    ASSERT_EQ(copy.Width(), 4);
    ASSERT_EQ(copy.Height(), 3);
    EXPECT_EQ(copy.Pixels(1, 1), TColor(0x30));
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), kBack);
    images.GetBitmap(3, copy); // out of range: unchanged
    EXPECT_EQ(copy.Pixels(1, 1), TColor(0x30));
}
