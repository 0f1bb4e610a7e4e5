// Drawing on surfaces of more than one device pixel per logical pixel: pictures are enlarged
// without smoothing and meet without seams, text keeps the full resolution, and a buffer made
// for a surface copies onto it exactly.
#include "framework/graphics/Colors.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"

#include <QImage>
#include <gtest/gtest.h>
#include <set>

namespace {

constexpr double kRatios[] = {1.5, 2, 1.25};

// A picture of distinct colours, one per pixel, so that any blend or misplaced pixel shows.
void FillDistinct(TBitmap& picture, int w, int h, int salt) {
    picture.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            picture.SetPixels(x, y, static_cast<TColor>((salt << 16) | (y << 8) | (x * 7)));
}

QImage Surface(int w, int h, double ratio) {
    QImage image(qRound(w * ratio), qRound(h * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

std::set<QRgb> Colours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) | 0xFF000000u);
    return colours;
}

// Whether every 2 x 2 block of device pixels inside the logical rectangle is of one colour.
bool AllBlocksUniform(const QImage& image, const QRect& logical) {
    for (int y = logical.top(); y <= logical.bottom(); ++y)
        for (int x = logical.left(); x <= logical.right(); ++x) {
            const QRgb c = image.pixel(2 * x, 2 * y);
            if (image.pixel(2 * x + 1, 2 * y) != c || image.pixel(2 * x, 2 * y + 1) != c ||
                image.pixel(2 * x + 1, 2 * y + 1) != c)
                return false;
        }
    return true;
}

} // namespace

TEST(HighDensityCanvas, PicturesAreEnlargedWithTheirOwnColoursAndMeetWithoutSeams) {
    TBitmap left;
    TBitmap middle;
    TBitmap right;
    FillDistinct(left, 7, 9, 1);
    FillDistinct(middle, 3, 9, 2);
    FillDistinct(right, 5, 9, 3);
    std::set<QRgb> own = Colours(left.Image());
    own.merge(Colours(middle.Image()));
    own.merge(Colours(right.Image()));
    for (const double ratio : kRatios) {
        SCOPED_TRACE(ratio);
        QImage surface = Surface(40, 12, ratio);
        TCanvas canvas(&surface);
        canvas.SetOrigin({1, 1}); // an odd origin puts the joins on half device pixels
        canvas.Draw(0, 0, left);
        canvas.StretchDraw(Bounds(7, 0, 11, 9), middle); // stretched, then joined on the right
        canvas.Draw(18, 0, right);
        const QRect drawn(qRound(1 * ratio), qRound(1 * ratio), qRound(24 * ratio) - qRound(ratio),
                          qRound(10 * ratio) - qRound(ratio));
        const QImage band = surface.copy(drawn);
        for (const QRgb colour : Colours(band))
            EXPECT_TRUE(own.count(colour)) << "blended or unpainted: " << std::hex << colour;
        // The white outside is untouched: nothing spills over the logical edges.
        EXPECT_EQ(surface.pixel(drawn.left() - 1, drawn.top()) | 0xFF000000u, 0xFFFFFFFFu);
        EXPECT_EQ(surface.pixel(drawn.right() + 1, drawn.top()) | 0xFF000000u, 0xFFFFFFFFu);
    }
}

TEST(HighDensityCanvas, AtTwiceTheDensityEveryPicturePixelIsATwoByTwoBlock) {
    TBitmap picture;
    FillDistinct(picture, 6, 4, 5);
    QImage surface = Surface(10, 6, 2);
    TCanvas canvas(&surface);
    canvas.Draw(2, 1, picture);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(surface.pixel(2 * (x + 2) + 1, 2 * (y + 1) + 1), picture.Image().pixel(x, y));
    EXPECT_TRUE(AllBlocksUniform(surface, QRect(0, 0, 10, 6)));
}

TEST(HighDensityCanvas, FillsAndLinesMeetPicturesOnTheSameDevicePixels) {
    TBitmap picture;
    FillDistinct(picture, 3, 3, 7);
    QImage surface = Surface(9, 3, 1.5);
    TCanvas canvas(&surface);
    canvas.Brush().SetColor(clRed);
    canvas.FillRect(Rect(0, 0, 3, 3));
    canvas.Draw(3, 0, picture);
    canvas.Pen().SetColor(clBlue);
    canvas.MoveTo(6, 1);
    canvas.LineTo(9, 1);
    // Logical columns 0-2 end at device 4.5 -> 5 (rounded as the picture's start): red up to
    // column 4, the picture from 5 on, and the line from device column 9 (logical 6).
    EXPECT_EQ(surface.pixel(4, 0) | 0xFF000000u, qRgb(255, 0, 0));
    EXPECT_EQ(surface.pixel(5, 0), picture.Image().pixel(0, 0));
    EXPECT_EQ(surface.pixel(8, 0), picture.Image().pixel(2, 0));
    EXPECT_EQ(surface.pixel(9, 2) | 0xFF000000u, qRgb(0, 0, 255));
    EXPECT_EQ(surface.pixel(13, 2) | 0xFF000000u, qRgb(0, 0, 255));
}

TEST(HighDensityCanvas, TextKeepsTheSurfacesResolution) {
    QImage surface = Surface(60, 20, 2);
    TCanvas canvas(&surface);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Font().SetName(QStringLiteral("WenQuanYi Zen Hei"));
    canvas.Font().SetSize(9);
    canvas.TextOut(2, 2, QStringLiteral("短信 Aa"));
    EXPECT_GT(Colours(surface).size(), 1u);
    EXPECT_FALSE(AllBlocksUniform(surface, QRect(0, 0, 60, 20)));
}

TEST(HighDensityCanvas, ABufferMadeForASurfaceCopiesOntoItExactly) {
    for (const double ratio : kRatios) {
        SCOPED_TRACE(ratio);
        QImage surface = Surface(30, 14, ratio);
        TCanvas target(&surface);
        TBitmap buffer;
        buffer.SetSizeFor(target, 30, 14);
        EXPECT_EQ(buffer.Width(), 30);
        EXPECT_EQ(buffer.Height(), 14);
        EXPECT_EQ(buffer.DevicePixelRatio(), ratio);
        buffer.Canvas().Font().SetSize(9);
        buffer.Canvas().TextOut(1, 1, QStringLiteral("复制"));
        buffer.Canvas().Brush().SetColor(clNavy);
        buffer.Canvas().FillRect(Rect(20, 3, 27, 11));
        target.Draw(0, 0, buffer);
        EXPECT_EQ(surface, buffer.Image());
    }
}

TEST(HighDensityCanvas, PixelsAddressLogicalPixels) {
    QImage surface = Surface(4, 4, 2);
    TCanvas target(&surface);
    TBitmap bitmap;
    bitmap.SetSizeFor(target, 4, 4);
    bitmap.SetPixels(1, 2, clRed);
    EXPECT_EQ(bitmap.Pixels(1, 2), clRed);
    EXPECT_EQ(bitmap.Canvas().Pixels(1, 2), clRed);
    for (const QPoint device : {QPoint(2, 4), QPoint(3, 4), QPoint(2, 5), QPoint(3, 5)})
        EXPECT_EQ(bitmap.Image().pixel(device) | 0xFF000000u, qRgb(255, 0, 0));
    EXPECT_EQ(bitmap.Image().pixel(4, 4) | 0xFF000000u, 0xFFFFFFFFu);
    EXPECT_EQ(bitmap.Pixels(4, 0), clNone);
    bitmap.Canvas().SetPixels(3, 3, clBlue);
    EXPECT_EQ(bitmap.Image().pixel(7, 7) | 0xFF000000u, qRgb(0, 0, 255));
    bitmap.Fill(clLime);
    EXPECT_EQ(Colours(bitmap.Image()), std::set<QRgb>{qRgb(0, 255, 0)});
}

TEST(HighDensityCanvas, PicturesReadFromFilesKeepOneDevicePixelEach) {
    QImage surface = Surface(4, 4, 2);
    TCanvas target(&surface);
    TBitmap buffer;
    buffer.SetSizeFor(target, 4, 4);
    TBitmap copy;
    copy.Assign(buffer);
    EXPECT_EQ(copy.DevicePixelRatio(), 2);
    EXPECT_EQ(copy.Width(), 4);
    copy.SetSize(0, 0);
    EXPECT_EQ(copy.DevicePixelRatio(), 1);
    TBitmap read;
    read.LoadFromData(QByteArray::fromBase64(
        "Qk06AAAAAAAAADYAAAAoAAAAAQAAAAEAAAABABgAAAAAAAQAAAAAAAAAAAAAAAAAAAAAAAAAAAD/AA=="));
    EXPECT_EQ(read.DevicePixelRatio(), 1);
    EXPECT_EQ(read.Width(), 1);
    EXPECT_EQ(read.Pixels(0, 0), clRed);
}
