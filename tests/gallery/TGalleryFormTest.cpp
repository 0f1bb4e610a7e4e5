#include "gallery/TGalleryForm.h"

#include "../framework/core/TestSupport.h"
#include "../skin/support/ThemeFileWriter.h"
#include "framework/graphics/TBitmap.h"
#include "framework/menus/TMenuItem.h"
#include "skin/SUIThemeFile.h"
#include "support/ImageCompare.h"
#include "support/QtPrinting.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr TColor kThemeBackground = 0x336699;
constexpr TColor kInkBackground = 0x224411;

// Every role of BlueGlass as a theme file holds it, with a background colour of its own.
ThemeFileWriter FullTheme(TColor background = kThemeBackground) {
    ThemeFileWriter writer;
    for (const TsuiThemeRole role : AllThemeRoles()) {
        const QByteArray key = ThemeKey(role).toLatin1();
        switch (ThemeKind(role)) {
        case TsuiThemeKind::Image: {
            TBitmap picture;
            GetStyleBitmap(TsuiUIStyle::BlueGlass, role, &picture);
            QBuffer bmp;
            bmp.open(QIODevice::WriteOnly);
            picture.Image().save(&bmp, "BMP");
            writer.AddImage(key, bmp.data());
            break;
        }
        case TsuiThemeKind::Bool:
            writer.AddBool(key, GetStyleBool(TsuiUIStyle::BlueGlass, role) ? 1 : 0);
            break;
        case TsuiThemeKind::Color:
            writer.AddInt(key, role == SUI_THEME_FORM_BACKGROUND_COLOR
                                   ? background
                                   : GetStyleColor(TsuiUIStyle::BlueGlass, role));
            break;
        case TsuiThemeKind::Int:
            writer.AddInt(key, GetStyleInt(TsuiUIStyle::BlueGlass, role));
            break;
        }
    }
    return writer;
}

void WriteFullTheme(const QString& path) {
    FullTheme().Save(path);
}

// Readable, but without the pictures the title bar needs.
void WriteSparseTheme(const QString& path) {
    ThemeFileWriter().AddInt("FormRoundCornerInt", 11).Save(path);
}

void WriteDamagedTheme(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a theme");
}

TShortCut CtrlKey(char key) {
    return ShortCut(static_cast<std::uint16_t>(key), TShiftFlag::ssCtrl);
}

class TGalleryFormTest : public testing::Test {
protected:
    // No shipped themes unless a test adds a folder of its own.
    TGalleryFormTest() : gallery(new TGalleryForm(app.application.get(), noThemes.path())) {}
    using ItemTest = std::function<bool(const TMenuItem&)>;
    // The first item of the Style menu for which the test holds, or null.
    TMenuItem* FirstItem(const ItemTest& test) const {
        for (int i = 0; i < gallery->StyleMenu->Count(); ++i)
            if (test(*gallery->StyleMenu->Items(i)))
                return gallery->StyleMenu->Items(i);
        return nullptr;
    }
    // The captions of the Style menu's items for which the test holds, top to bottom.
    std::vector<QString> Captions(const ItemTest& test) const {
        std::vector<QString> captions;
        for (int i = 0; i < gallery->StyleMenu->Count(); ++i)
            if (test(*gallery->StyleMenu->Items(i)))
                captions.push_back(gallery->StyleMenu->Items(i)->Caption());
        return captions;
    }
    TMenuItem* StyleItem(TsuiUIStyle style) const {
        return FirstItem(
            [style](const TMenuItem& item) { return item.Tag() == static_cast<int>(style); });
    }
    TMenuItem* ItemCaptioned(const QString& caption) const {
        return FirstItem([&caption](const TMenuItem& item) { return item.Caption() == caption; });
    }
    std::vector<QString> StyleCaptions() const {
        return Captions([](const TMenuItem&) { return true; });
    }
    std::vector<QString> CheckedItems() const {
        return Captions([](const TMenuItem& item) { return item.Checked(); });
    }
    TsuiButton* Button(const char* name) const {
        return qobject_cast<TsuiButton*>(gallery->FindComponent(QLatin1String(name)));
    }
    // The user picks `path` in the theme dialog.
    void ChooseThemeFile(const QString& path) {
        gallery->ThemeDialog->Chooser = [path](const TOpenDialog&) {
            return std::optional<QString>(path);
        };
        gallery->ThemeFileClick(nullptr);
    }
    void ExpectStyleEverywhere(TsuiUIStyle style) const {
        EXPECT_EQ(gallery->suiForm1->UIStyle(), style);
        EXPECT_EQ(gallery->MainMenu1->UIStyle(), style);
        for (const char* name : kButtons)
            EXPECT_EQ(Button(name)->UIStyle(), style) << name;
        EXPECT_EQ(gallery->Edit1->UIStyle(), style);
    }
    void ExpectThemeEverywhere(const TsuiFileTheme* theme) const {
        EXPECT_EQ(gallery->suiForm1->FileTheme(), theme);
        EXPECT_EQ(gallery->MainMenu1->FileTheme(), theme);
        for (const char* name : kButtons)
            EXPECT_EQ(Button(name)->FileTheme(), theme) << name;
        EXPECT_EQ(gallery->Edit1->FileTheme(), theme);
    }
    QString Shipped(const QString& fileName) const { return themes.filePath(fileName); }
    // Two shipped themes, Jade before Ink, listed in the menu; answers their paths.
    std::pair<QString, QString> ShipJadeAndInk() {
        const QString jade = Shipped(QStringLiteral("a-jade.theme"));
        const QString ink = Shipped(QStringLiteral("b-ink.theme"));
        FullTheme().AddText("Name", "Jade").Save(jade);
        FullTheme(kInkBackground).AddText("Name", "Ink").Save(ink);
        gallery->AddShippedThemes(themes.path());
        return {jade, ink};
    }
    static QImage Picture(TGalleryForm& form) { return form.Handle()->grab().toImage(); }
    // How many pixels differ; every pixel when the sizes do.
    static qsizetype DifferingPixels(const QImage& a, const QImage& b) {
        if (a.size() != b.size())
            return std::max(a.width() * a.height(), b.width() * b.height());
        return static_cast<qsizetype>(Differences(a, b).size());
    }

    static constexpr const char* kButtons[] = {"ButtonNormal", "ButtonDisabled", "ButtonDefault",
                                               "ButtonGlyph"};
    TestSupport::RecordingApplication app;
    QTemporaryDir noThemes;
    TGalleryForm* gallery; // owned by the application
    QTemporaryDir folder;
    QTemporaryDir themes; // shipped themes, for the tests that add them
};

const std::vector<QString> kStyleCaptions = {
    QStringLiteral("&MacOS"), QStringLiteral("&WinXP"), QStringLiteral("&DeepBlue"),
    QStringLiteral("&Protein"), QStringLiteral("&BlueGlass")};
const QString kLine = QStringLiteral("-");
const QString kThemeFileItem = QStringLiteral("&Theme file...");

// Each style's caption, then the items that follow.
std::vector<QString> StylesThen(const std::vector<QString>& more) {
    std::vector<QString> captions = kStyleCaptions;
    captions.insert(captions.end(), more.begin(), more.end());
    return captions;
}

} // namespace

TEST_F(TGalleryFormTest, OpensInBlueGlassWithItsMenuOnTheBar) {
    ExpectStyleEverywhere(TsuiUIStyle::BlueGlass);
    ASSERT_NE(gallery->suiFileTheme1, nullptr);
    EXPECT_FALSE(gallery->suiFileTheme1->IsValid());
    ExpectThemeEverywhere(gallery->suiFileTheme1);
    EXPECT_EQ(StyleCaptions(), StylesThen({kLine, kThemeFileItem}));
    EXPECT_EQ(gallery->Caption(), QStringLiteral("duanxin skin gallery - BlueGlass"));
    TToolBar* bar = gallery->suiForm1->MenuBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->ButtonCount(), 3);
    EXPECT_EQ(bar->Buttons(1)->Caption(), QStringLiteral("&Style"));
    EXPECT_TRUE(StyleItem(TsuiUIStyle::BlueGlass)->Checked());
    EXPECT_FALSE(Button("ButtonDisabled")->Enabled());
    EXPECT_FALSE(Button("ButtonGlyph")->Glyph()->Empty());
}

TEST_F(TGalleryFormTest, StyleItemsAndTheirShortCutsSwitchTheWholeWindow) {
    StyleItem(TsuiUIStyle::MacOS)->Click();
    ExpectStyleEverywhere(TsuiUIStyle::MacOS);
    EXPECT_TRUE(StyleItem(TsuiUIStyle::MacOS)->Checked());
    EXPECT_FALSE(StyleItem(TsuiUIStyle::BlueGlass)->Checked());
    EXPECT_EQ(gallery->Caption(), QStringLiteral("duanxin skin gallery - MacOS"));
    EXPECT_TRUE(gallery->MainMenu1->IsShortCut('4', TShiftFlag::ssCtrl));
    ExpectStyleEverywhere(TsuiUIStyle::Protein);

    Button("ButtonDefault")->Click();
    EXPECT_EQ(gallery->Edit1->Text(), QStringLiteral("Clicked: Default"));
}

TEST_F(TGalleryFormTest, ABadThemeFileLeavesTheWindowAsItWas) {
    const QString missing = folder.filePath(QStringLiteral("missing.theme"));
    ChooseThemeFile(missing);
    const QString damaged = folder.filePath(QStringLiteral("damaged.theme"));
    WriteDamagedTheme(damaged);
    ChooseThemeFile(damaged);
    const QString sparse = folder.filePath(QStringLiteral("sparse.theme"));
    WriteSparseTheme(sparse);
    ChooseThemeFile(sparse);

    ASSERT_EQ(app.boxes.size(), 3u);
    EXPECT_EQ(app.boxes[0].text, QStringLiteral("There is no theme file %1.").arg(missing));
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(app.boxes[i].kind, TMessageBoxKind::Error);
    EXPECT_TRUE(app.boxes[1].text.startsWith(
        QStringLiteral("The theme file %1 cannot be used: ").arg(damaged)));
    EXPECT_TRUE(app.boxes[2].text.startsWith(
        QStringLiteral("The theme file %1 cannot be used: ").arg(sparse)));
    ExpectStyleEverywhere(TsuiUIStyle::BlueGlass);
    ExpectThemeEverywhere(gallery->suiFileTheme1);
    EXPECT_EQ(gallery->Caption(), QStringLiteral("duanxin skin gallery - BlueGlass"));
}

TEST_F(TGalleryFormTest, AGoodThemeFileSkinsTheWindowAndReplacesTheOneBefore) {
    const QString first = folder.filePath(QStringLiteral("first.theme"));
    const QString second = folder.filePath(QStringLiteral("second.theme"));
    WriteFullTheme(first);
    WriteFullTheme(second);
    ChooseThemeFile(first);
    EXPECT_TRUE(app.boxes.empty());
    ExpectStyleEverywhere(TsuiUIStyle::FromThemeFile);
    EXPECT_EQ(gallery->suiForm1->Color(), kThemeBackground);
    EXPECT_EQ(gallery->Caption(), QStringLiteral("duanxin skin gallery - theme file first.theme"));
    // The described theme stays for the shipped themes.
    EXPECT_EQ(gallery->FindComponent(QStringLiteral("suiFileTheme1")), gallery->suiFileTheme1);
    ASSERT_NE(gallery->suiFileTheme1, nullptr);
    ChooseThemeFile(second);
    EXPECT_EQ(gallery->suiForm1->FileTheme()->ThemeFile(), second);
    ExpectStyleEverywhere(TsuiUIStyle::FromThemeFile);

    gallery->ThemeDialog->Chooser = [](const TOpenDialog&) { return std::optional<QString>(); };
    gallery->ThemeFileClick(nullptr); // cancelled
    EXPECT_EQ(gallery->suiForm1->FileTheme()->ThemeFile(), second);
}

TEST_F(TGalleryFormTest, TheStyleMenuOffersTheReadableShippedThemesInFileNameOrder) {
    FullTheme().AddText("Name", "Zinc").Save(Shipped(QStringLiteral("1-zinc.theme")));
    FullTheme().Save(Shipped(QStringLiteral("2-plain.theme")));
    WriteDamagedTheme(Shipped(QStringLiteral("3-damaged.theme")));
    FullTheme().AddText("name", "翡翠 & Jade").Save(Shipped(QStringLiteral("4-jade.theme")));
    FullTheme().Save(Shipped(QStringLiteral("5-e.theme")));
    FullTheme().Save(Shipped(QStringLiteral("6-f.theme")));
    FullTheme().Save(Shipped(QStringLiteral("notes.txt")));
    gallery->AddShippedThemes(themes.path());

    EXPECT_TRUE(app.boxes.empty());
    EXPECT_EQ(StyleCaptions(), StylesThen({QStringLiteral("Zinc"), QStringLiteral("2-plain"),
                                           QStringLiteral("翡翠 && Jade"), QStringLiteral("5-e"),
                                           QStringLiteral("6-f"), kLine, kThemeFileItem}));
    std::vector<TShortCut> shortCuts;
    for (int i = 5; i < 10; ++i)
        shortCuts.push_back(gallery->StyleMenu->Items(i)->ShortCut());
    EXPECT_EQ(shortCuts, (std::vector<TShortCut>{CtrlKey('6'), CtrlKey('7'), CtrlKey('8'),
                                                 CtrlKey('9'), scNone}));
    ItemCaptioned(QStringLiteral("翡翠 && Jade"))->Click();
    EXPECT_EQ(gallery->Caption(), QStringLiteral("duanxin skin gallery - 翡翠 & Jade"));
}

TEST_F(TGalleryFormTest, AShippedThemeSkinsTheWholeWindowThroughTheDescribedTheme) {
    const auto [jade, ink] = ShipJadeAndInk();
    TsuiFileTheme* described = gallery->suiFileTheme1;
    const int components = gallery->ComponentCount();

    ASSERT_TRUE(gallery->MainMenu1->IsShortCut('6', TShiftFlag::ssCtrl));
    ExpectStyleEverywhere(TsuiUIStyle::FromThemeFile);
    ExpectThemeEverywhere(described);
    EXPECT_EQ(described->ThemeFile(), jade);
    EXPECT_EQ(gallery->suiForm1->Color(), kThemeBackground);
    EXPECT_EQ(gallery->Caption(), QStringLiteral("duanxin skin gallery - Jade"));
    EXPECT_EQ(CheckedItems(), std::vector<QString>{QStringLiteral("Jade")});
    EXPECT_EQ(gallery->ComponentCount(), components);

    ASSERT_TRUE(gallery->MainMenu1->IsShortCut('5', TShiftFlag::ssCtrl));
    ExpectStyleEverywhere(TsuiUIStyle::BlueGlass);
    EXPECT_EQ(CheckedItems(), std::vector<QString>{QStringLiteral("&BlueGlass")});
    ItemCaptioned(QStringLiteral("Ink"))->Click();
    EXPECT_EQ(described->ThemeFile(), ink);
    EXPECT_EQ(gallery->suiForm1->Color(), kInkBackground);
    EXPECT_EQ(gallery->Caption(), QStringLiteral("duanxin skin gallery - Ink"));

    // A file of the user's own, then a shipped theme again: the described theme stays.
    const QString own = folder.filePath(QStringLiteral("own.theme"));
    WriteFullTheme(own);
    ChooseThemeFile(own);
    ExpectStyleEverywhere(TsuiUIStyle::FromThemeFile);
    EXPECT_NE(gallery->suiForm1->FileTheme(), described);
    EXPECT_EQ(gallery->FindComponent(QStringLiteral("suiFileTheme1")), described);
    EXPECT_EQ(gallery->Caption(), QStringLiteral("duanxin skin gallery - theme file own.theme"));
    EXPECT_EQ(CheckedItems(), std::vector<QString>{kThemeFileItem});
    ASSERT_TRUE(gallery->MainMenu1->IsShortCut('6', TShiftFlag::ssCtrl));
    ExpectThemeEverywhere(described);
    EXPECT_EQ(gallery->suiForm1->Color(), kThemeBackground);
    EXPECT_EQ(CheckedItems(), std::vector<QString>{QStringLiteral("Jade")});
    EXPECT_EQ(gallery->ComponentCount(), components);
    EXPECT_TRUE(app.boxes.empty());
}

TEST_F(TGalleryFormTest, AShippedThemeBrokenSinceStartLeavesTheWindowAsItWas) {
    const auto [jade, ink] = ShipJadeAndInk();
    TsuiFileTheme* described = gallery->suiFileTheme1;
    const int components = gallery->ComponentCount();
    ASSERT_TRUE(gallery->MainMenu1->IsShortCut('6', TShiftFlag::ssCtrl));
    const QImage shown = Picture(*gallery);

    TMenuItem* inkItem = ItemCaptioned(QStringLiteral("Ink"));
    ASSERT_TRUE(QFile::remove(ink));
    inkItem->Click();
    WriteDamagedTheme(ink);
    inkItem->Click();
    WriteSparseTheme(ink);
    inkItem->Click();

    ASSERT_EQ(app.boxes.size(), 3u);
    for (const auto& box : app.boxes)
        EXPECT_EQ(box.kind, TMessageBoxKind::Error);
    EXPECT_EQ(app.boxes[0].text, QStringLiteral("There is no theme file %1.").arg(ink));
    const QString unusable = QStringLiteral("The theme file %1 cannot be used: ").arg(ink);
    EXPECT_TRUE(app.boxes[1].text.startsWith(unusable)) << app.boxes[1].text.toStdString();
    EXPECT_TRUE(app.boxes[2].text.startsWith(unusable)) << app.boxes[2].text.toStdString();
    ExpectStyleEverywhere(TsuiUIStyle::FromThemeFile);
    ExpectThemeEverywhere(described);
    EXPECT_EQ(described->ThemeFile(), jade);
    EXPECT_EQ(gallery->Caption(), QStringLiteral("duanxin skin gallery - Jade"));
    EXPECT_EQ(CheckedItems(), std::vector<QString>{QStringLiteral("Jade")});
    EXPECT_EQ(gallery->ComponentCount(), components);
    EXPECT_EQ(DifferingPixels(Picture(*gallery), shown), 0);

    ASSERT_TRUE(gallery->MainMenu1->IsShortCut('5', TShiftFlag::ssCtrl));
    inkItem->Click();
    EXPECT_EQ(app.boxes.size(), 4u);
    ExpectStyleEverywhere(TsuiUIStyle::BlueGlass);
    EXPECT_EQ(CheckedItems(), std::vector<QString>{QStringLiteral("&BlueGlass")});
}

TEST_F(TGalleryFormTest, TheDescribedThemeGoingTurnsTheWholeWindowDeepBlue) {
    FullTheme().AddText("Name", "Jade").Save(Shipped(QStringLiteral("jade.theme")));
    gallery->AddShippedThemes(themes.path());
    ASSERT_TRUE(gallery->MainMenu1->IsShortCut('6', TShiftFlag::ssCtrl));
    ASSERT_EQ(gallery->suiForm1->UIStyle(), TsuiUIStyle::FromThemeFile);

    delete gallery->FindComponent(QStringLiteral("suiFileTheme1"));
    EXPECT_EQ(gallery->suiFileTheme1, nullptr);
    ExpectStyleEverywhere(TsuiUIStyle::DeepBlue);
    ExpectThemeEverywhere(nullptr);
    EXPECT_EQ(gallery->Caption(), QStringLiteral("duanxin skin gallery - DeepBlue"));
    EXPECT_EQ(CheckedItems(), std::vector<QString>{QStringLiteral("&DeepBlue")});
    EXPECT_FALSE(ItemCaptioned(QStringLiteral("Jade"))->Enabled());

    const auto deepBlue = std::make_unique<TGalleryForm>(nullptr, noThemes.path());
    ASSERT_TRUE(deepBlue->MainMenu1->IsShortCut('3', TShiftFlag::ssCtrl));
    EXPECT_EQ(DifferingPixels(Picture(*gallery), Picture(*deepBlue)), 0);
    EXPECT_TRUE(app.boxes.empty());
}
