#include "gallery/TGalleryForm.h"

#include "../framework/core/TestSupport.h"
#include "../skin/support/ThemeFileWriter.h"
#include "framework/graphics/TBitmap.h"
#include "framework/menus/TMenuItem.h"
#include "skin/SUIThemeFile.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr TColor kThemeBackground = 0x336699;

// Every role of BlueGlass as a theme file holds it, with a background colour of its own.
void WriteFullTheme(const QString& path) {
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
                                   ? kThemeBackground
                                   : GetStyleColor(TsuiUIStyle::BlueGlass, role));
            break;
        case TsuiThemeKind::Int:
            writer.AddInt(key, GetStyleInt(TsuiUIStyle::BlueGlass, role));
            break;
        }
    }
    writer.Save(path);
}

class TGalleryFormTest : public testing::Test {
protected:
    TGalleryFormTest() { app.application->CreateForm(gallery); }
    TMenuItem* StyleItem(TsuiUIStyle style) const {
        for (int i = 0; i < gallery->StyleMenu->Count(); ++i)
            if (gallery->StyleMenu->Items(i)->Tag() == static_cast<int>(style))
                return gallery->StyleMenu->Items(i);
        return nullptr;
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
        EXPECT_EQ(Button("ButtonGlyph")->UIStyle(), style);
        EXPECT_EQ(gallery->Edit1->UIStyle(), style);
    }

    TestSupport::RecordingApplication app;
    TGalleryForm* gallery = nullptr; // owned by the application
    QTemporaryDir folder;
};

} // namespace

TEST_F(TGalleryFormTest, OpensInBlueGlassWithItsMenuOnTheBar) {
    ExpectStyleEverywhere(TsuiUIStyle::BlueGlass);
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
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a theme");
    file.close();
    ChooseThemeFile(damaged);
    // Readable, but without the pictures the title bar needs.
    const QString sparse = folder.filePath(QStringLiteral("sparse.theme"));
    ThemeFileWriter().AddInt("FormRoundCornerInt", 11).Save(sparse);
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
    EXPECT_EQ(gallery->suiForm1->FileTheme(), nullptr);
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
    ChooseThemeFile(second);
    EXPECT_EQ(gallery->suiForm1->FileTheme()->ThemeFile(), second);
    ExpectStyleEverywhere(TsuiUIStyle::FromThemeFile);

    gallery->ThemeDialog->Chooser = [](const TOpenDialog&) { return std::optional<QString>(); };
    gallery->ThemeFileClick(nullptr); // cancelled
    EXPECT_EQ(gallery->suiForm1->FileTheme()->ThemeFile(), second);
}
