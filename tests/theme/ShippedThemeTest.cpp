// The shipped jade theme: its committed folder under resources/themes/jade, which the build
// packs, and the packed file as the skin reads it: one bitmap per image role as the components
// cut it, and every other role's value fitting those pictures.
#include "ThemeFolder.h"

#include "framework/graphics/TBitmap.h"
#include "skin/SUIMgr.h"
#include "skin/SUIThemes.h"
#include "skin/support/BitmapPixels.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using BitmapPixels::AnyPixel;
using BitmapPixels::DifferingPixels;
using BitmapPixels::kFuchsia;

using BitmapPixels::BmpBitCount;
using BitmapPixels::kButtonFrames;
using BitmapPixels::kTitleButtonFrames;
constexpr int kMaxRoundCorner = 11; // BlueGlass's; a larger one cuts into the title buttons
constexpr double kReadableContrast = 4.5;

// The contrast ratio of two colours as accessibility guidelines measure it (1 to 21).
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class JadeTheme : public testing::Test {
protected:
    void SetUp() override {
        theme.SetThemeFile(QStringLiteral(DUANXIN_SHIPPED_THEME));
        ASSERT_TRUE(theme.IsValid()) << "no shipped theme at " DUANXIN_SHIPPED_THEME;
    }
    void LoadPicture(TBitmap& bitmap, TsuiThemeRole role) const { theme.GetBitmap(role, &bitmap); }
    int IntValue(TsuiThemeRole role) const { return theme.GetInt(role); }
    bool BoolValue(TsuiThemeRole role) const { return theme.GetBool(role); }
    QColor ColourValue(TsuiThemeRole role) const {
        const TColor bgr = theme.GetColor(role);
        return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    }

    TsuiFileTheme theme{nullptr};
};

// What pack takes without a fault, answering every role, its bitmaps stored as the skin's own.
TEST_F(JadeTheme, SourceFolderAnswersEveryRoleWithTrueColourBitmapsAndAName) {
    const QString folder = QStringLiteral(DUANXIN_SHIPPED_THEME_SOURCES);
    ThemeContent content;
    ASSERT_NO_THROW(content = ReadThemeFolder(folder));
    for (const TsuiThemeRole role : AllThemeRoles())
        EXPECT_TRUE(content.Answers(role)) << ThemeKey(role).toStdString();
    ASSERT_FALSE(content.Texts.empty());
    EXPECT_EQ(content.Texts.front(), std::pair(QByteArray("Name"), QStringLiteral("Jade")));
    for (const auto& [role, bytes] : content.Images) {
        SCOPED_TRACE(ThemeKey(role).toStdString());
        EXPECT_EQ(BmpBitCount(bytes), 24);
    }
}

TEST_F(JadeTheme, StripsHoldTheFramesTheirComponentsCut) {
    TBitmap button;
    LoadPicture(button, SUI_THEME_BUTTON_IMAGE);
    EXPECT_EQ(button.Width() % kButtonFrames, 0);
    TBitmap titleButtons;
    LoadPicture(titleButtons, SUI_THEME_TITLEBAR_BUTTON_IMAGE);
    EXPECT_EQ(titleButtons.Width(), kTitleButtonFrames * titleButtons.Height());
}

// The bar is as high as its left picture; the buttons sit centred in it, the form's corner and
// minimum width leave the end pictures and buttons whole.
TEST_F(JadeTheme, MetricsFitThePictures) {
    TBitmap left;
    LoadPicture(left, SUI_THEME_TITLEBAR_LEFT_IMAGE);
    TBitmap right;
    LoadPicture(right, SUI_THEME_TITLEBAR_RIGHT_IMAGE);
    TBitmap buttons;
    LoadPicture(buttons, SUI_THEME_TITLEBAR_BUTTON_IMAGE);
    const int top = IntValue(SUI_THEME_TITLEBAR_BUTTON_TOP_INT);
    const int below = left.Height() - buttons.Height() - top;
    EXPECT_LE(std::abs(below - top), 1)
        << "buttons off centre: " << top << " above, " << below << " below";
    EXPECT_GE(IntValue(SUI_THEME_FORM_MINWIDTH_INT), left.Width() + right.Width());
    const int corner = IntValue(SUI_THEME_FORM_ROUNDCORNER_INT);
    EXPECT_GE(corner, 0);
    EXPECT_LE(corner, kMaxRoundCorner);
    EXPECT_GE(IntValue(SUI_THEME_FORM_BORDERWIDTH_INT), 1);
}

// The bar copies its end pictures unscaled and stretches the middle one between them; a
// button's states, and every title button, must tell apart at a glance.
TEST_F(JadeTheme, TitlePiecesJoinAndEveryStateLooksItsOwn) {
    TBitmap left;
    LoadPicture(left, SUI_THEME_TITLEBAR_LEFT_IMAGE);
    TBitmap middle;
    LoadPicture(middle, SUI_THEME_TITLEBAR_CLIENT_IMAGE);
    TBitmap right;
    LoadPicture(right, SUI_THEME_TITLEBAR_RIGHT_IMAGE);
    ASSERT_EQ(middle.Height(), left.Height());
    ASSERT_EQ(right.Height(), left.Height());
    for (int y = 0; y < middle.Height(); ++y) {
        EXPECT_EQ(left.Pixels(left.Width() - 1, y), middle.Pixels(0, y)) << "row " << y;
        EXPECT_EQ(right.Pixels(0, y), middle.Pixels(middle.Width() - 1, y)) << "row " << y;
    }

    TBitmap button;
    LoadPicture(button, SUI_THEME_BUTTON_IMAGE);
    const int w = button.Width() / kButtonFrames;
    for (const auto& [a, b] : {std::pair{0, 1}, {0, 2}, {1, 2}})
        EXPECT_GT(DifferingPixels(button, w, a, b), w * button.Height() / 4)
            << "button frames " << a + 1 << ", " << b + 1;

    TBitmap titleButtons;
    LoadPicture(titleButtons, SUI_THEME_TITLEBAR_BUTTON_IMAGE);
    const int side = titleButtons.Height();
    for (int f = 0; f < kTitleButtonFrames; ++f)
        for (int g = f + 1; g < kTitleButtonFrames; ++g)
            EXPECT_GT(DifferingPixels(titleButtons, side, f, g), side)
                << "title buttons " << f + 1 << ", " << g + 1;
}

// Pictures drawn with their fuchsia key: fuchsia outside the shape, never where the skin
// stretches or shows the face; the bar's pictures are drawn whole and carry none.
TEST_F(JadeTheme, FuchsiaSitsOnlyOutsideTheKeyedShapes) {
    ASSERT_TRUE(BoolValue(SUI_THEME_BUTTON_TRANSPARENT_BOOL));
    ASSERT_TRUE(BoolValue(SUI_THEME_TITLEBAR_BUTTON_TRANSPARENT_BOOL));

    TBitmap button;
    LoadPicture(button, SUI_THEME_BUTTON_IMAGE);
    const int w = button.Width() / kButtonFrames, h = button.Height();
    for (int x0 = 0; x0 < button.Width(); x0 += w) {
        SCOPED_TRACE(x0 / w + 1);
        for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
            EXPECT_EQ(button.Pixels(x0 + x, y), kFuchsia);
        EXPECT_FALSE(AnyPixel(button, x0, h / 2 - 1, x0 + w, h / 2 + 2, kFuchsia));
        EXPECT_FALSE(AnyPixel(button, x0 + w / 2 - 1, 0, x0 + w / 2 + 2, h, kFuchsia));
    }

    TBitmap titleButtons;
    LoadPicture(titleButtons, SUI_THEME_TITLEBAR_BUTTON_IMAGE);
    const int side = titleButtons.Height();
    for (int x0 = 0; x0 < titleButtons.Width(); x0 += side) {
        SCOPED_TRACE(x0 / side + 1);
        EXPECT_EQ(titleButtons.Pixels(x0, side - 1), kFuchsia); // the key the bar leaves out
        EXPECT_FALSE(AnyPixel(titleButtons, x0 + 2, 2, x0 + side - 2, side - 2, kFuchsia));
    }

    for (const TsuiThemeRole role : {SUI_THEME_TITLEBAR_LEFT_IMAGE, SUI_THEME_TITLEBAR_CLIENT_IMAGE,
                                     SUI_THEME_TITLEBAR_RIGHT_IMAGE}) {
        TBitmap bar;
        LoadPicture(bar, role);
        EXPECT_FALSE(AnyPixel(bar, 0, 0, bar.Width(), bar.Height(), kFuchsia))
            << ThemeKey(role).toStdString();
    }
}

TEST_F(JadeTheme, MenuAndControlTextIsReadableOnItsBackground) {
    const std::pair<TsuiThemeRole, TsuiThemeRole> pairs[] = {
        {SUI_THEME_MENU_SELECTED_FONT_COLOR, SUI_THEME_MENU_SELECTED_BACKGROUND_COLOR},
        {SUI_THEME_MENU_FONT_COLOR, SUI_THEME_MENU_BACKGROUND_COLOR},
        {SUI_THEME_MENU_FONT_COLOR, SUI_THEME_MENUBAR_COLOR},
        {SUI_THEME_CONTROL_FONT_COLOR, SUI_THEME_CONTROL_BACKGROUND_COLOR},
        {SUI_THEME_CONTROL_FONT_COLOR, SUI_THEME_TOOLBAR_BUTTON_BACKGROUND_COLOR},
        {SUI_THEME_CONTROL_FONT_COLOR, SUI_THEME_TOOLBAR_BUTTON_DOWN_BACKGROUND_COLOR},
    };
    for (const auto& [font, background] : pairs)
        EXPECT_GE(Contrast(ColourValue(font), ColourValue(background)), kReadableContrast)
            << ThemeKey(font).toStdString() << " on " << ThemeKey(background).toStdString();
}

} // namespace
