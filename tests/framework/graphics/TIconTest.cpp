#include "framework/graphics/TIcon.h"

#include "ResourceFile.h"
#include "framework/core/Exception.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

struct IconImageShape {
    int size;
    int bitsPerPixel; // 4 or 8: a palette of which entry 0 is the colour
    QRgb colour;
};

// One image's data: its header (height doubled for the mask), palette, pixels all of palette
// entry 0, and the mask, which leaves out the top-left 2 x 2 pixels: whichever of them a
// halving samples, the corner stays out.
QByteArray IconImageData(const IconImageShape& shape) {
    const int n = shape.size;
    const int colours = 1 << shape.bitsPerPixel;
    const int stride = (n * shape.bitsPerPixel + 31) / 32 * 4;
    const int maskStride = (n + 31) / 32 * 4;
    QByteArray data(40 + 4 * colours + stride * n + maskStride * n, '\0');
    char* p = data.data();
    qToLittleEndian<quint32>(40, p);
    qToLittleEndian<qint32>(n, p + 4);
    qToLittleEndian<qint32>(2 * n, p + 8);
    qToLittleEndian<quint16>(1, p + 12);
    qToLittleEndian<quint16>(quint16(shape.bitsPerPixel), p + 14);
    p[40] = char(qBlue(shape.colour)), p[41] = char(qGreen(shape.colour)),
    p[42] = char(qRed(shape.colour));
    // Rows go bottom-up: the top two rows' masks are the last two.
    char* mask = p + 40 + 4 * colours + stride * n;
    mask[maskStride * (n - 1)] = mask[maskStride * (n - 2)] = char(0xC0);
    return data;
}

QByteArray IcoBytes(const std::vector<IconImageShape>& shapes) {
    QByteArray directory(6 + 16 * int(shapes.size()), '\0');
    qToLittleEndian<quint16>(1, directory.data() + 2);
    qToLittleEndian<quint16>(quint16(shapes.size()), directory.data() + 4);
    QByteArray images;
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const QByteArray image = IconImageData(shapes[i]);
        char* entry = directory.data() + 6 + 16 * i;
        entry[0] = entry[1] = char(shapes[i].size);
        qToLittleEndian<quint16>(1, entry + 4);
        qToLittleEndian<quint16>(quint16(shapes[i].bitsPerPixel), entry + 6);
        qToLittleEndian<quint32>(quint32(image.size()), entry + 8);
        qToLittleEndian<quint32>(quint32(directory.size() + images.size()), entry + 12);
        images += image;
    }
    return directory + images;
}

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kYellow = qRgb(255, 255, 0);

// The program icon's make-up: two 32-pixel images of different depths and a 48-pixel one.
const std::vector<IconImageShape> kProgramIcon{{32, 4, kRed}, {32, 8, kGreen}, {48, 8, kBlue}};

} // namespace

TEST(TIcon, ListsEveryImageWithItsSizeAndDepthInFileOrder) {
    TIcon icon;
    EXPECT_TRUE(icon.Empty());
    icon.LoadFromData(IcoBytes(kProgramIcon));
    ASSERT_EQ(icon.Images().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const TIconImage& image = icon.Images()[i];
        EXPECT_EQ(image.Width, kProgramIcon[i].size);
        EXPECT_EQ(image.Height, kProgramIcon[i].size);
        EXPECT_EQ(image.BitsPerPixel, kProgramIcon[i].bitsPerPixel);
        EXPECT_EQ(image.Image.pixel(2, 2), kProgramIcon[i].colour);
        EXPECT_EQ(qAlpha(image.Image.pixel(1, 1)), 0) << "the mask leaves the corner out";
        EXPECT_EQ(qAlpha(image.Image.pixel(2, 1)), 255);
    }
}

TEST(TIcon, PicksTheExactSizeElseTheSmallestLargerElseTheLargestAndThenTheDeepest) {
    TIcon icon;
    icon.LoadFromData(IcoBytes({{32, 4, kRed}, {16, 4, kYellow}, {32, 8, kGreen}, {48, 8, kBlue}}));
    EXPECT_EQ(icon.BestImageIndex(16), 1);
    EXPECT_EQ(icon.BestImageIndex(20), 2); // 32 at 8 bits beats 32 at 4
    EXPECT_EQ(icon.BestImageIndex(32), 2);
    EXPECT_EQ(icon.BestImageIndex(40), 3);
    EXPECT_EQ(icon.BestImageIndex(64), 3);
    EXPECT_EQ(icon.BestImageIndex(8), 1);
    EXPECT_EQ(TIcon().BestImageIndex(16), -1);
}

TEST(TIcon, DrawnAt16TheProgramIconShrinksItsDeeper32PixelImageOverTheCanvas) {
    const ResourceFile resource(QStringLiteral("icons"), QStringLiteral("TESTICON.ico"),
                                IcoBytes(kProgramIcon));
    ASSERT_TRUE(resource.Registered());
    TIcon icon;
    icon.LoadFromResourceName(QStringLiteral("testicon"));
    TBitmap target;
    target.SetSize(24, 24); // white
    icon.Draw(target.Canvas(), 3, 6, 16);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            const bool inside = x >= 3 && x < 3 + 16 && y >= 6 && y < 6 + 16;
            const bool corner = x == 3 && y == 6; // left out by the mask
            EXPECT_EQ(target.Pixels(x, y), inside && !corner ? clLime : clWhite) << x << "," << y;
        }
}

TEST(TIcon, AnEmptyIconOrSizeDrawsNothing) {
    TBitmap target;
    target.SetSize(4, 4);
    TIcon().Draw(target.Canvas(), 0, 0, 4);
    TIcon icon;
    icon.LoadFromData(IcoBytes(kProgramIcon));
    icon.Draw(target.Canvas(), 0, 0, 0);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(target.Pixels(i % 4, i / 4), clWhite);
}

TEST(TIcon, DamagedIconsRaiseAndKeepWhatWasLoaded) {
    TIcon icon;
    icon.LoadFromData(IcoBytes(kProgramIcon));
    const QByteArray good = IcoBytes({{16, 4, kRed}});
    QByteArray notIcon = good;
    notIcon[2] = 2; // a cursor file
    QByteArray pastTheEnd = good;
    qToLittleEndian<quint32>(quint32(good.size()), pastTheEnd.data() + 6 + 12);
    QByteArray noImages = good.left(6);
    noImages[4] = 0;
    struct Case {
        QByteArray bytes;
        const char* message;
    };
    for (const Case& c : {Case{"", "Icon is not valid: no icon header"},
                          Case{notIcon, "Icon is not valid: no icon header"},
                          Case{noImages, "Icon is not valid: no images"},
                          Case{good.left(20), "Icon is not valid: the directory is cut short"},
                          Case{pastTheEnd, "Icon is not valid: image 1 is cut short"}}) {
        try {
            icon.LoadFromData(c.bytes);
            ADD_FAILURE() << "no error for " << c.message;
        } catch (const EResourceError& error) {
            EXPECT_EQ(error.Message(), QString::fromLatin1(c.message));
        }
    }
    EXPECT_EQ(icon.Images().size(), 3u);
    EXPECT_THROW(icon.LoadFromResourceName(QStringLiteral("NO_SUCH_ICON")), EResourceError);
}
