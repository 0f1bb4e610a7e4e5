#include "framework/graphics/TBitmap.h"

#include "ResourceFile.h"
#include "framework/core/Exception.h"
#include "framework/graphics/TCanvas.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray BmpBytes(int w, int h, QRgb fill, QRgb bottomLeft) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    image.setPixel(0, h - 1, bottomLeft);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

} // namespace

TEST(TBitmap, LoadsBmpDataAndTakesTheBottomLeftPixelAsTransparentColour) {
    TBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.TransparentColor(), clNone);
    int changes = 0;
    bitmap.OnChange = [&changes] { ++changes; };
    bitmap.LoadFromData(BmpBytes(5, 3, qRgb(0, 255, 0), qRgb(255, 0, 255)));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(bitmap.Width(), 5);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.Pixels(4, 0), clLime);
    EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
    bitmap.SetTransparentColor(clLime);
    EXPECT_EQ(bitmap.TransparentColor(), clLime);
}

TEST(TBitmap, InvalidBitmapsRaise) {
    TBitmap bitmap;
    EXPECT_THROW(bitmap.LoadFromData("BM not really a bitmap"), EResourceError);
    QTemporaryDir dir;
    const QString path = dir.filePath("broken.bmp");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(BmpBytes(4, 4, 0, 0).left(30));
    file.close();
    EXPECT_THROW(bitmap.LoadFromFile(path), EFileError);
    EXPECT_THROW(bitmap.LoadFromFile(dir.filePath("missing.bmp")), EFileError);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(TBitmap, MissingResourceRaisesWithItsName) {
    TBitmap bitmap;
    try {
        bitmap.LoadFromResourceName("NO_SUCH_SKIN");
        FAIL() << "no error raised";
    } catch (const EResourceError& e) {
        EXPECT_TRUE(e.Message().contains("NO_SUCH_SKIN"));
    }
}

TEST(TBitmap, FindsResourcesByTheUpperCaseName) {
    const ResourceFile resource("skin", "TEST_BUTTON.bmp",
                                BmpBytes(6, 2, qRgb(0, 0, 255), qRgb(0, 0, 255)));
    ASSERT_TRUE(resource.Registered());
    TBitmap bitmap;
    bitmap.LoadFromResourceName("test_button");
    EXPECT_EQ(bitmap.Width(), 6);
    EXPECT_EQ(bitmap.Pixels(0, 0), clBlue);
    const ResourceFile broken("skin", "BROKEN.bmp", "BM garbage");
    EXPECT_THROW(bitmap.LoadFromResourceName("BROKEN"), EResourceError);
}

TEST(TBitmap, ResourcesLoadedAgainAreUntouchedByChangesToEarlierCopies) {
    {
        const ResourceFile resource("skin", "TEST_STRIP.bmp",
                                    BmpBytes(4, 2, qRgb(255, 0, 0), qRgb(255, 0, 0)));
        TBitmap first;
        first.LoadFromResourceName("TEST_STRIP");
        first.SetPixels(0, 0, clWhite);
        first.Canvas().Brush().SetColor(clBlack);
        first.Canvas().FillRect(Rect(1, 0, 4, 2));
        TBitmap second;
        second.LoadFromResourceName("TEST_STRIP");
        EXPECT_EQ(second.Pixels(0, 0), clRed);
        EXPECT_EQ(second.Pixels(3, 1), clRed);
    }
    // Registered afresh with other pixels under the same name: the new pixels.
    const ResourceFile changed("skin", "TEST_STRIP.bmp",
                               BmpBytes(4, 2, qRgb(0, 0, 255), qRgb(0, 0, 255)));
    TBitmap third;
    third.LoadFromResourceName("TEST_STRIP");
    EXPECT_EQ(third.Pixels(0, 0), clBlue);
}

TEST(TBitmap, AssignCopiesPixelsAndTransparencyIndependently) {
    TBitmap source;
    source.LoadFromData(BmpBytes(3, 3, qRgb(255, 0, 0), qRgb(0, 0, 0)));
    source.SetTransparent(true);
    TBitmap copy;
    copy.Assign(&source);
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), clBlack);
    copy.SetPixels(1, 1, clWhite);
    EXPECT_EQ(source.Pixels(1, 1), clRed);
    EXPECT_EQ(copy.Pixels(1, 1), clWhite);
}
