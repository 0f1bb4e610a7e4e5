// The jade theme's folder under resources/themes/jade, the committed output of the skin
// artwork generator that the build packs into the shipped theme file: one bitmap per image
// role as the components cut it, and theme.txt with every other role's value in its form.
#include "skin/SUIThemes.h"

#include "framework/graphics/TBitmap.h"
#include "skin/support/BitmapPixels.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

namespace {

using BitmapPixels::AnyPixel;
using BitmapPixels::DifferingPixels;
using BitmapPixels::kFuchsia;

constexpr int kBitCountOffset = 28; // BITMAPINFOHEADER.biBitCount in a .bmp file
constexpr int kButtonFrames = 3;
constexpr int kTitleButtonFrames = 18;
constexpr int kMaxRoundCorner = 11; // BlueGlass's; a larger one cuts into the title buttons
constexpr double kReadableContrast = 4.5;
constexpr char kTextSection[] = "[text]";

// Every build directory lies inside the source tree, so the tree is the first folder above the
// test program that holds the built-in artwork.
QString ThemeFolder() {
    QDir dir(QCoreApplication::applicationDirPath());
    while (!dir.exists(QStringLiteral("resources/skin")))
        if (!dir.cdUp())
            return {};
    return dir.filePath(QStringLiteral("resources/themes/jade"));
}

QString BitmapFile(int role) {
    return QStringLiteral("%1/%2.bmp").arg(ThemeFolder(), ThemeKey(role));
}

std::vector<int> RolesWhere(bool images) {
    std::vector<int> roles;
    for (int role = SUI_THEME_FIRST_ROLE; role <= SUI_THEME_LAST_ROLE; ++role)
        if ((ThemeKind(role) == TsuiThemeKind::Image) == images)
            roles.push_back(role);
    return roles;
}

void LoadPicture(TBitmap& bitmap, int role) {
    bitmap.LoadFromFile(BitmapFile(role));
}

// theme.txt as read: every value line before [text] by key (a key twice keeps both), the
// free texts after it, and the lines that are neither comment, blank nor "key = value".
struct ThemeText {
    std::map<QString, QStringList> values;
    std::map<QString, QString> texts;
    QStringList badLines;
};

ThemeText ReadThemeText() {
    QFile file(ThemeFolder() + QStringLiteral("/theme.txt"));
    ThemeText text;
    if (!file.open(QIODevice::ReadOnly)) {
        text.badLines << QStringLiteral("cannot open %1").arg(file.fileName());
        return text;
    }
    bool inTexts = false;
    for (const QString& raw : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line == QLatin1String(kTextSection)) {
            inTexts = true;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (equals < 0 || key.isEmpty())
            text.badLines << line;
        else if (inTexts)
            text.texts[key] = value;
        else
            text.values[key] << value;
    }
    return text;
}

const QRegularExpression& FormOf(TsuiThemeKind kind) {
    static const QRegularExpression integer(QStringLiteral("^-?[0-9]+$"));
    static const QRegularExpression colour(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    static const QRegularExpression flag(QStringLiteral("^(true|false)$"));
    return kind == TsuiThemeKind::Int ? integer : kind == TsuiThemeKind::Color ? colour : flag;
}

int IntValue(const ThemeText& text, int role) {
    return text.values.at(ThemeKey(role)).front().toInt();
}
bool BoolValue(const ThemeText& text, int role) {
    return text.values.at(ThemeKey(role)).front() == QLatin1String("true");
}
QColor ColourValue(const ThemeText& text, int role) {
    return QColor::fromString(text.values.at(ThemeKey(role)).front());
}

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

class JadeThemeSources : public testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(ThemeFolder().isEmpty()) << "no source tree found"; }
};

// A bitmap under another name would leave its role without a picture when packed.
TEST_F(JadeThemeSources, FolderHoldsABitmapPerImageRoleAndTheValuesOnly) {
    std::set<std::string> expected{"theme.txt"};
    for (const int role : RolesWhere(true))
        expected.insert(ThemeKey(role).toStdString() + ".bmp");
    std::set<std::string> present;
    for (const QString& file : QDir(ThemeFolder()).entryList(QDir::Files))
        present.insert(file.toStdString());
    EXPECT_EQ(present, expected);
}

TEST_F(JadeThemeSources, EveryBitmapIsA24BitFileCutIntoTheFramesItsComponentTakes) {
    for (const int role : RolesWhere(true)) {
        SCOPED_TRACE(ThemeKey(role).toStdString());
        QFile file(BitmapFile(role));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(kBitCountOffset + 2);
        ASSERT_EQ(header.size(), kBitCountOffset + 2);
        EXPECT_TRUE(header.startsWith("BM"));
        EXPECT_EQ(qFromLittleEndian<quint16>(header.constData() + kBitCountOffset), 24);
        TBitmap bitmap;
        ASSERT_NO_THROW(bitmap.LoadFromFile(file.fileName()));
        EXPECT_FALSE(bitmap.Empty());
    }
    TBitmap button;
    LoadPicture(button, SUI_THEME_BUTTON_IMAGE);
    EXPECT_EQ(button.Width() % kButtonFrames, 0);
    TBitmap titleButtons;
    LoadPicture(titleButtons, SUI_THEME_TITLEBAR_BUTTON_IMAGE);
    EXPECT_EQ(titleButtons.Width(), kTitleButtonFrames * titleButtons.Height());
}

TEST_F(JadeThemeSources, ValuesNameEveryOtherRoleOnceInItsKindsForm) {
    const ThemeText text = ReadThemeText();
    EXPECT_TRUE(text.badLines.isEmpty()) << text.badLines.join(QLatin1Char('\n')).toStdString();
    QSet<QString> keys;
    for (const int role : RolesWhere(false)) {
        const QString key = ThemeKey(role);
        SCOPED_TRACE(key.toStdString());
        keys.insert(key);
        const auto it = text.values.find(key);
        ASSERT_TRUE(it != text.values.end()) << "missing";
        ASSERT_EQ(it->second.size(), 1) << "given more than once";
        EXPECT_TRUE(FormOf(ThemeKind(role)).match(it->second.front()).hasMatch())
            << it->second.front().toStdString();
    }
    for (const auto& [key, values] : text.values)
        EXPECT_TRUE(keys.contains(key)) << "unknown or image key " << key.toStdString();
    const auto name = text.texts.find(QStringLiteral("Name"));
    ASSERT_TRUE(name != text.texts.end()) << "no Name after " << kTextSection;
    EXPECT_FALSE(name->second.isEmpty());
}

// The bar is as high as its left picture; the buttons sit centred in it, the form's corner and
// minimum width leave the end pictures and buttons whole.
TEST_F(JadeThemeSources, MetricsFitThePictures) {
    const ThemeText text = ReadThemeText();
    ASSERT_TRUE(text.badLines.isEmpty());
    TBitmap left;
    LoadPicture(left, SUI_THEME_TITLEBAR_LEFT_IMAGE);
    TBitmap right;
    LoadPicture(right, SUI_THEME_TITLEBAR_RIGHT_IMAGE);
    TBitmap buttons;
    LoadPicture(buttons, SUI_THEME_TITLEBAR_BUTTON_IMAGE);
    const int top = IntValue(text, SUI_THEME_TITLEBAR_BUTTON_TOP_INT);
    const int below = left.Height() - buttons.Height() - top;
    EXPECT_LE(std::abs(below - top), 1)
        << "buttons off centre: " << top << " above, " << below << " below";
    EXPECT_GE(IntValue(text, SUI_THEME_FORM_MINWIDTH_INT), left.Width() + right.Width());
    const int corner = IntValue(text, SUI_THEME_FORM_ROUNDCORNER_INT);
    EXPECT_GE(corner, 0);
    EXPECT_LE(corner, kMaxRoundCorner);
    EXPECT_GE(IntValue(text, SUI_THEME_FORM_BORDERWIDTH_INT), 1);
}

// The bar copies its end pictures unscaled and stretches the middle one between them; a
// button's states, and every title button, must tell apart at a glance.
TEST_F(JadeThemeSources, TitlePiecesJoinAndEveryStateLooksItsOwn) {
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
TEST_F(JadeThemeSources, FuchsiaSitsOnlyOutsideTheKeyedShapes) {
    const ThemeText text = ReadThemeText();
    ASSERT_TRUE(text.badLines.isEmpty());
    ASSERT_TRUE(BoolValue(text, SUI_THEME_BUTTON_TRANSPARENT_BOOL));
    ASSERT_TRUE(BoolValue(text, SUI_THEME_TITLEBAR_BUTTON_TRANSPARENT_BOOL));

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

    for (const int role : {SUI_THEME_TITLEBAR_LEFT_IMAGE, SUI_THEME_TITLEBAR_CLIENT_IMAGE,
                           SUI_THEME_TITLEBAR_RIGHT_IMAGE}) {
        TBitmap bar;
        LoadPicture(bar, role);
        EXPECT_FALSE(AnyPixel(bar, 0, 0, bar.Width(), bar.Height(), kFuchsia))
            << ThemeKey(role).toStdString();
    }
}

TEST_F(JadeThemeSources, MenuAndControlTextIsReadableOnItsBackground) {
    const ThemeText text = ReadThemeText();
    ASSERT_TRUE(text.badLines.isEmpty());
    const std::pair<int, int> pairs[] = {
        {SUI_THEME_MENU_SELECTED_FONT_COLOR, SUI_THEME_MENU_SELECTED_BACKGROUND_COLOR},
        {SUI_THEME_MENU_FONT_COLOR, SUI_THEME_MENU_BACKGROUND_COLOR},
        {SUI_THEME_MENU_FONT_COLOR, SUI_THEME_MENUBAR_COLOR},
        {SUI_THEME_CONTROL_FONT_COLOR, SUI_THEME_CONTROL_BACKGROUND_COLOR},
        {SUI_THEME_CONTROL_FONT_COLOR, SUI_THEME_TOOLBAR_BUTTON_BACKGROUND_COLOR},
        {SUI_THEME_CONTROL_FONT_COLOR, SUI_THEME_TOOLBAR_BUTTON_DOWN_BACKGROUND_COLOR},
    };
    for (const auto& [font, background] : pairs)
        EXPECT_GE(Contrast(ColourValue(text, font), ColourValue(text, background)),
                  kReadableContrast)
            << ThemeKey(font).toStdString() << " on " << ThemeKey(background).toStdString();
}

} // namespace
