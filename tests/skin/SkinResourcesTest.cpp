// The skin artwork embedded in the skin library: every bitmap the program loads by name, with
// the size the components cut and stretch it by, and the pixel rules their drawing relies on.
#include "skin/SUIThemes.h"

#include "framework/graphics/Colors.h"
#include "framework/graphics/TBitmap.h"
#include "skin/support/BitmapPixels.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QtEndian>
#include <gtest/gtest.h>
#include <vector>

namespace {

using BitmapPixels::AnyPixel;
using BitmapPixels::BmpBitCount;
using BitmapPixels::DifferingPixels;
using BitmapPixels::kButtonFrames;
using BitmapPixels::kFuchsia;
using BitmapPixels::kTitleButtonFrames;

struct Picture {
    const char* name;
    int width;
    int height;
    int frames; // equal-width frames side by side; 1 for a whole picture
};

// Every bitmap resource of the program: the nineteen image roles of the five styles, the shared
// scroll-button picture, and the menu and form-background pictures.
const std::vector<Picture>& Pictures() {
    static const std::vector<Picture> pictures{
        {"MACOS_BUTTON", 252, 23, 3},
        {"WINXP_BUTTON", 54, 21, 3},
        {"DEEPBLUE_BUTTON", 222, 21, 3},
        {"PROTEIN_BUTTON", 222, 21, 3},
        {"BLUEGLASS_BUTTON", 231, 27, 3},
        {"MACOS_CHECKBOX", 60, 17, 4},
        {"WINXP_CHECKBOX", 52, 13, 4},
        {"DEEPBLUE_CHECKBOX", 52, 13, 4},
        {"PROTEIN_CHECKBOX", 52, 13, 4},
        {"BLUEGLASS_CHECKBOX", 52, 13, 4},
        {"MACOS_RADIOBUTTON", 64, 17, 4},
        {"WINXP_RADIOBUTTON", 52, 13, 4},
        {"DEEPBLUE_RADIOBUTTON", 52, 13, 4},
        {"PROTEIN_RADIOBUTTON", 52, 13, 4},
        {"BLUEGLASS_RADIOBUTTON", 52, 13, 4},
        {"MACOS_TITLEBTN", 306, 17, 18},
        {"WINXP_TITLEBTN", 378, 21, 18},
        {"DEEPBLUE_TITLEBTN", 342, 19, 18},
        {"PROTEIN_TITLEBTN", 342, 19, 18},
        {"BLUEGLASS_TITLEBTN", 342, 19, 18},
        {"MACOS_TITLE_LEFT", 48, 23, 1},
        {"WINXP_TITLE_LEFT", 35, 29, 1},
        {"DEEPBLUE_TITLE_LEFT", 97, 32, 1},
        {"PROTEIN_TITLE_LEFT", 441, 23, 1},
        {"BLUEGLASS_TITLE_LEFT", 162, 33, 1},
        {"MACOS_TITLE_CLIENT", 49, 23, 1},
        {"WINXP_TITLE_CLIENT", 37, 29, 1},
        {"DEEPBLUE_TITLE_CLIENT", 98, 32, 1},
        {"PROTEIN_TITLE_CLIENT", 1, 23, 1},
        {"BLUEGLASS_TITLE_CLIENT", 179, 33, 1},
        {"MACOS_TITLE_RIGHT", 48, 23, 1},
        {"WINXP_TITLE_RIGHT", 35, 29, 1},
        {"DEEPBLUE_TITLE_RIGHT", 97, 32, 1},
        {"PROTEIN_TITLE_RIGHT", 1, 23, 1},
        {"BLUEGLASS_TITLE_RIGHT", 101, 33, 1},
        {"MACOS_PROGRESSBAR", 13, 10, 1},
        {"WINXP_PROGRESSBAR", 6, 10, 1},
        {"DEEPBLUE_PROGRESSBAR", 1, 10, 1},
        {"PROTEIN_PROGRESSBAR", 1, 10, 1},
        {"BLUEGLASS_PROGRESSBAR", 1, 10, 1},
        {"MACOS_TRACKBAR_BAR", 45, 5, 1},
        {"WINXP_TRACKBAR_BAR", 45, 8, 1},
        {"DEEPBLUE_TRACKBAR_BAR", 45, 4, 1},
        {"PROTEIN_TRACKBAR_BAR", 45, 4, 1},
        {"BLUEGLASS_TRACKBAR_BAR", 45, 4, 1},
        {"MACOS_TRACKBAR_SLIDER", 11, 20, 1},
        {"WINXP_TRACKBAR_SLIDER", 11, 21, 1},
        {"DEEPBLUE_TRACKBAR_SLIDER", 11, 20, 1},
        {"PROTEIN_TRACKBAR_SLIDER", 11, 20, 1},
        {"BLUEGLASS_TRACKBAR_SLIDER", 11, 20, 1},
        {"MACOS_TRACKBAR_SLIDER_V", 19, 11, 1},
        {"WINXP_TRACKBAR_SLIDER_V", 22, 11, 1},
        {"DEEPBLUE_TRACKBAR_SLIDER_V", 18, 11, 1},
        {"PROTEIN_TRACKBAR_SLIDER_V", 18, 11, 1},
        {"BLUEGLASS_TRACKBAR_SLIDER_V", 18, 11, 1},
        {"MACOS_SCROLLBAR_BUTTON", 96, 22, 6},
        {"WINXP_SCROLLBAR_BUTTON", 96, 17, 6},
        {"DEEPBLUE_SCROLLBAR_BUTTON", 96, 16, 6},
        {"PROTEIN_SCROLLBAR_BUTTON", 96, 16, 6},
        {"BLUEGLASS_SCROLLBAR_BUTTON", 102, 16, 6},
        {"MACOS_SCROLLBAR_TRACK", 33, 16, 1},
        {"WINXP_SCROLLBAR_TRACK", 21, 16, 1},
        {"DEEPBLUE_SCROLLBAR_TRACK", 21, 16, 1},
        {"PROTEIN_SCROLLBAR_TRACK", 21, 16, 1},
        {"BLUEGLASS_SCROLLBAR_TRACK", 21, 16, 1},
        {"MACOS_CHECKLIST", 40, 11, 4},
        {"WINXP_CHECKLIST", 44, 11, 4},
        {"DEEPBLUE_CHECKLIST", 44, 11, 4},
        {"PROTEIN_CHECKLIST", 44, 11, 4},
        {"BLUEGLASS_CHECKLIST", 44, 11, 4},
        {"MACOS_SCROLLBUTTON", 72, 18, 4},
        {"WINXP_SCROLLBUTTON", 72, 18, 4},
        {"MORE_SCROLLBUTTON", 72, 17, 4},
        {"MACOS_TAB", 36, 27, 1},
        {"WINXP_TAB", 18, 18, 1},
        {"DEEPBLUE_TAB", 12, 17, 1},
        {"PROTEIN_TAB", 18, 17, 1},
        {"BLUEGLASS_TAB", 18, 17, 1},
        {"MACOS_TAB_LINE", 17, 7, 1},
        {"WINXP_TAB_LINE", 8, 1, 1},
        {"DEEPBLUE_TAB_LINE", 5, 5, 1},
        {"PROTEIN_TAB_LINE", 10, 5, 1},
        {"BLUEGLASS_TAB_LINE", 10, 5, 1},
        {"MACOS_SIDECHENNEL_HANDLE", 7, 84, 1},
        {"WINXP_SIDECHENNEL_HANDLE", 8, 86, 1},
        {"DEEPBLUE_SIDECHENNEL_HANDLE", 8, 83, 1},
        {"PROTEIN_SIDECHENNEL_HANDLE", 8, 83, 1},
        {"BLUEGLASS_SIDECHENNEL_HANDLE", 8, 86, 1},
        {"MACOS_SIDECHENNEL_BAR", 1, 21, 1},
        {"WINXP_SIDECHENNEL_BAR", 1, 21, 1},
        {"DEEPBLUE_SIDECHENNEL_BAR", 1, 20, 1},
        {"PROTEIN_SIDECHENNEL_BAR", 1, 21, 1},
        {"BLUEGLASS_SIDECHENNEL_BAR", 1, 21, 1},
        {"MACOS_MENU_BAR", 1, 22, 1},
        {"MACOS_MENU_SELECT", 1, 21, 1},
        {"MACOS_FORM_BACKGROUND", 8, 8, 1},
        {"PROTEIN_FORM_BACKGROUND", 8, 8, 1},
        {"MENU_CHECKED", 16, 16, 1},
    };
    return pictures;
}

constexpr TsuiUIStyle kStyles[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
                                   TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass};

void Load(TBitmap& bitmap, const QString& name) {
    bitmap.LoadFromResourceName(name);
}

QString CatalogueName(TsuiUIStyle style, TsuiThemeRole role) {
    return QString::fromLatin1(GetStyleEntry(style, role).ResourceName);
}

TEST(SkinResources, EveryBitmapLoadsByNameAtItsSizeAsA24BitFile) {
    for (const Picture& p : Pictures()) {
        SCOPED_TRACE(p.name);
        QFile file(QStringLiteral(":/skin/%1.bmp").arg(QLatin1String(p.name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(32);
        EXPECT_EQ(BmpBitCount(header), 24);

        TBitmap bitmap;
        Load(bitmap, QLatin1String(p.name));
        EXPECT_EQ(bitmap.Width(), p.width);
        EXPECT_EQ(bitmap.Height(), p.height);
        EXPECT_EQ(p.width % p.frames, 0) << "frames of unequal width";
    }
}

// A misspelt name (SIDECHANNEL for SIDECHENNEL) would leave the real one missing and add one
// nobody loads; the folder holds exactly the listed pictures.
TEST(SkinResources, NoBitmapBeyondTheListedOnes) {
    QSet<QString> listed;
    for (const Picture& p : Pictures())
        listed.insert(QStringLiteral("%1.bmp").arg(QLatin1String(p.name)));
    const QStringList present = QDir(QStringLiteral(":/skin")).entryList(QDir::Files);
    EXPECT_EQ(QSet<QString>(present.begin(), present.end()), listed);
}

TEST(SkinResources, EveryCatalogueImageNamesAListedBitmap) {
    QSet<QString> listed;
    for (const Picture& p : Pictures())
        listed.insert(QLatin1String(p.name));
    for (TsuiUIStyle style : kStyles)
        for (const TsuiThemeRole role : AllThemeRoles())
            if (GetStyleEntry(style, role).Kind == TsuiThemeKind::Image) {
                EXPECT_TRUE(listed.contains(CatalogueName(style, role)))
                    << CatalogueName(style, role).toStdString();
            }
}

// The button's corners are drawn with fuchsia left out only in styles whose buttons are
// transparent; its edges and middle are stretched from the central row and columns, where a
// fuchsia pixel would punch a hole. Opaque styles draw corners as they are, so any fuchsia
// there would show.
TEST(SkinResources, ButtonFramesHaveFuchsiaOnlyInTheCornersOfTransparentStyles) {
    for (TsuiUIStyle style : kStyles) {
        const QString name = CatalogueName(style, SUI_THEME_BUTTON_IMAGE);
        SCOPED_TRACE(name.toStdString());
        TBitmap strip;
        Load(strip, name);
        const int w = strip.Width() / kButtonFrames, h = strip.Height();
        const bool transparent = GetStyleBool(style, SUI_THEME_BUTTON_TRANSPARENT_BOOL);
        for (int f = 0; f < kButtonFrames; ++f) {
            const int x0 = f * w;
            if (!transparent) {
                EXPECT_FALSE(AnyPixel(strip, x0, 0, x0 + w, h, kFuchsia)) << "frame " << f + 1;
                continue;
            }
            for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
                EXPECT_EQ(strip.Pixels(x0 + x, y), kFuchsia) << "frame " << f + 1;
            // The central row across the whole frame, the central columns down it.
            EXPECT_FALSE(AnyPixel(strip, x0, h / 2 - 1, x0 + w, h / 2 + 2, kFuchsia));
            EXPECT_FALSE(AnyPixel(strip, x0 + w / 2 - 1, 0, x0 + w / 2 + 2, h, kFuchsia));
        }
    }
}

TEST(SkinResources, ButtonStatesDifferVisibly) {
    for (TsuiUIStyle style : kStyles) {
        TBitmap strip;
        Load(strip, CatalogueName(style, SUI_THEME_BUTTON_IMAGE));
        const int w = strip.Width() / kButtonFrames;
        const int quarter = w * strip.Height() / 4;
        for (const auto& [a, b] : {std::pair{0, 1}, {0, 2}, {1, 2}})
            EXPECT_GT(DifferingPixels(strip, w, a, b), quarter)
                << CatalogueName(style, SUI_THEME_BUTTON_IMAGE).toStdString() << " frames " << a + 1
                << ", " << b + 1;
    }
}

// Transparent title buttons leave out their bottom-left pixel's colour; opaque ones are drawn
// whole, so they must not carry the key at all.
TEST(SkinResources, TitleButtonFramesAreSquareDistinctAndKeyedAsTheirStyleDraws) {
    for (TsuiUIStyle style : kStyles) {
        const QString name = CatalogueName(style, SUI_THEME_TITLEBAR_BUTTON_IMAGE);
        SCOPED_TRACE(name.toStdString());
        TBitmap strip;
        Load(strip, name);
        const int side = strip.Width() / kTitleButtonFrames;
        ASSERT_EQ(side, strip.Height());
        const bool transparent = GetStyleBool(style, SUI_THEME_TITLEBAR_BUTTON_TRANSPARENT_BOOL);
        for (int f = 0; f < kTitleButtonFrames; ++f) {
            const int x0 = f * side;
            const TColor key = strip.Pixels(x0, side - 1);
            EXPECT_EQ(key == kFuchsia, transparent) << "frame " << f + 1;
            EXPECT_NE(strip.Pixels(x0 + side / 2, side / 2), key) << "frame " << f + 1;
            if (!transparent) {
                EXPECT_FALSE(AnyPixel(strip, x0, 0, x0 + side, side, kFuchsia));
            }
            // Same button in another state, and every other button, all look different.
            for (int g = f + 1; g < kTitleButtonFrames; ++g)
                EXPECT_GT(DifferingPixels(strip, side, f, g), side) << f + 1 << " vs " << g + 1;
        }
    }
}

// The bar copies the left and right pictures unscaled and stretches the middle between them.
TEST(SkinResources, TitlePicturesJoinWithoutSeamsAndTheMiddleStretchesCleanly) {
    for (TsuiUIStyle style : kStyles) {
        TBitmap left;
        Load(left, CatalogueName(style, SUI_THEME_TITLEBAR_LEFT_IMAGE));
        TBitmap middle;
        Load(middle, CatalogueName(style, SUI_THEME_TITLEBAR_CLIENT_IMAGE));
        TBitmap right;
        Load(right, CatalogueName(style, SUI_THEME_TITLEBAR_RIGHT_IMAGE));
        SCOPED_TRACE(CatalogueName(style, SUI_THEME_TITLEBAR_LEFT_IMAGE).toStdString());
        ASSERT_EQ(left.Height(), middle.Height());
        ASSERT_EQ(right.Height(), middle.Height());
        for (int y = 0; y < middle.Height(); ++y) {
            EXPECT_EQ(left.Pixels(left.Width() - 1, y), middle.Pixels(0, y)) << "row " << y;
            EXPECT_EQ(right.Pixels(0, y), middle.Pixels(0, y)) << "row " << y;
            for (int x = 1; x < middle.Width(); ++x)
                ASSERT_EQ(middle.Pixels(x, y), middle.Pixels(0, y)) << x << "," << y;
        }
        EXPECT_FALSE(AnyPixel(left, 0, 0, left.Width(), left.Height(), kFuchsia));
    }
}

// The menus draw the check mark with white left out: any grey edge pixel would show.
TEST(SkinResources, MenuCheckMarkIsBlackOnWhiteOnly) {
    TBitmap check;
    Load(check, QStringLiteral("MENU_CHECKED"));
    int black = 0;
    for (int y = 0; y < check.Height(); ++y)
        for (int x = 0; x < check.Width(); ++x) {
            const TColor c = check.Pixels(x, y);
            ASSERT_TRUE(c == clWhite || c == clBlack) << x << "," << y;
            black += c == clBlack;
        }
    EXPECT_GT(black, 8);
}

// The directory of the .ico names each image's size and depth; Qt must read all three, with
// the mask making the corners transparent and the middle opaque.
TEST(SkinResources, MainIconHoldsThe32And48PixelImagesAtTheirDepths) {
    QFile file(QStringLiteral(":/icons/MAINICON.ico"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();
    ASSERT_GE(ico.size(), 6 + 3 * 16);
    ASSERT_EQ(qFromLittleEndian<quint16>(ico.constData() + 4), 3);
    const int sizes[] = {32, 32, 48};
    const int depths[] = {4, 8, 8};
    for (int i = 0; i < 3; ++i) {
        const char* entry = ico.constData() + 6 + 16 * i;
        EXPECT_EQ(static_cast<unsigned char>(entry[0]), sizes[i]);
        EXPECT_EQ(static_cast<unsigned char>(entry[1]), sizes[i]);
        EXPECT_EQ(qFromLittleEndian<quint16>(entry + 6), depths[i]);
        const quint32 length = qFromLittleEndian<quint32>(entry + 8);
        const quint32 offset = qFromLittleEndian<quint32>(entry + 12);
        EXPECT_LE(offset + length, static_cast<quint32>(ico.size()));
    }

    QImageReader reader(file.fileName());
    ASSERT_EQ(reader.imageCount(), 3);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << "image " << i + 1;
        EXPECT_EQ(image.size(), QSize(sizes[i], sizes[i]));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "image " << i + 1;
        EXPECT_EQ(qAlpha(image.pixel(sizes[i] / 2, sizes[i] / 3)), 255) << "image " << i + 1;
    }
}

} // namespace
