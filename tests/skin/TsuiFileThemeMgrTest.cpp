#include "skin/TsuiFileThemeMgr.h"

#include "framework/core/Exception.h"
#include "framework/graphics/TBitmap.h"
#include "skin/SUIThemes.h"
#include "skin/support/ThemeFileWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::HasSubstr;
using W = ThemeFileWriter;

namespace {

constexpr TColor kBorder = 0xC82C00;

class TsuiFileThemeMgrTest : public testing::Test {
protected:
    // A theme whose round corner tells which file answered; its check box image is no bitmap.
    QString WriteTheme(const QString& name, std::int32_t roundCorner) const {
        const QString path = dir_.filePath(name);
        W().AddInt("FormRoundCornerInt", roundCorner)
            .AddInt("FormBorderColor", static_cast<std::int32_t>(kBorder))
            .AddBool("ButtonTransparentBool", 1)
            .AddImage("ButtonImage", W::Bmp({Qt::red, Qt::green}, 3, 2))
            .AddImage("CheckBoxImage", "no bitmap at all")
            .Save(path);
        return path;
    }
    // A theme file cut short inside its header.
    QString WriteCutShort(const QString& name) const {
        const QString path = WriteTheme(name, 1);
        if (!QFile::resize(path, W::kHeaderSize / 2))
            ADD_FAILURE() << "cannot cut " << path.toStdString();
        return path;
    }
    // What the manager answers while it holds no reader.
    void ExpectNoReader() const {
        EXPECT_EQ(mgr.GetInt(SUI_THEME_FORM_ROUNDCORNER_INT), 0);
        EXPECT_EQ(mgr.GetColor(SUI_THEME_FORM_BORDER_COLOR), 0);
        EXPECT_FALSE(mgr.GetBool(SUI_THEME_BUTTON_TRANSPARENT_BOOL));
        TBitmap bitmap;
        bitmap.SetSize(7, 5);
        mgr.GetBitmap(SUI_THEME_BUTTON_IMAGE, bitmap);
        EXPECT_EQ(bitmap.Width(), 7);
        EXPECT_EQ(bitmap.Height(), 5);
    }

    QTemporaryDir dir_;
    TsuiFileThemeMgr mgr;
};

TEST_F(TsuiFileThemeMgrTest, WithoutAReaderLookupsAnswerNothing) {
    ExpectNoReader();
    EXPECT_FALSE(mgr.Load(dir_.filePath("missing.theme")));
    ExpectNoReader();
}

TEST_F(TsuiFileThemeMgrTest, LoadedFileAnswersRolesByKey) {
    ASSERT_TRUE(mgr.Load(WriteTheme("a.theme", 11)));
    EXPECT_EQ(mgr.GetInt(SUI_THEME_FORM_ROUNDCORNER_INT), 11);
    EXPECT_EQ(mgr.GetColor(SUI_THEME_FORM_BORDER_COLOR), kBorder);
    // A colour is whatever integer the entry holds, whatever its key says.
    EXPECT_EQ(mgr.GetColor(SUI_THEME_FORM_ROUNDCORNER_INT), 11);
    EXPECT_TRUE(mgr.GetBool(SUI_THEME_BUTTON_TRANSPARENT_BOOL));
    TBitmap bitmap;
    mgr.GetBitmap(SUI_THEME_BUTTON_IMAGE, bitmap);
    EXPECT_EQ(bitmap.Width(), 6);
    EXPECT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(bitmap.Pixels(0, 0), 0x0000FF);
    EXPECT_EQ(bitmap.Pixels(5, 1), 0x00FF00);
}

TEST_F(TsuiFileThemeMgrTest, MissingEntriesAnswerMinusOneOrFalseAndMissingImagesRaise) {
    const QString path = WriteTheme("a.theme", 11);
    ASSERT_TRUE(mgr.Load(path));
    EXPECT_EQ(mgr.GetInt(SUI_THEME_FORM_MINWIDTH_INT), -1);
    EXPECT_EQ(mgr.GetColor(SUI_THEME_FORM_BACKGROUND_COLOR), TColor(-1));
    EXPECT_FALSE(mgr.GetBool(SUI_THEME_TITLEBAR_BUTTON_TRANSPARENT_BOOL));

    TBitmap bitmap;
    bitmap.SetSize(7, 5);
    try {
        mgr.GetBitmap(SUI_THEME_TITLEBAR_LEFT_IMAGE, bitmap);
        ADD_FAILURE() << "a missing image loaded";
    } catch (const EResourceError& error) {
        EXPECT_THAT(error.Message().toStdString(), HasSubstr('"' + path.toStdString() + '"'));
        EXPECT_THAT(error.Message().toStdString(), HasSubstr("no image \"TitleBarLeftImage\""));
    }
    try {
        mgr.GetBitmap(SUI_THEME_CHECKBOX_IMAGE, bitmap);
        ADD_FAILURE() << "an image that is no bitmap loaded";
    } catch (const EResourceError& error) {
        EXPECT_THAT(error.Message().toStdString(), HasSubstr('"' + path.toStdString() + '"'));
        EXPECT_THAT(error.Message().toStdString(), HasSubstr("\"CheckBoxImage\""));
        EXPECT_THAT(error.Message().toStdString(), HasSubstr("not a valid bitmap"));
    }
    EXPECT_EQ(bitmap.Width(), 7);
}

TEST_F(TsuiFileThemeMgrTest, ALoadThatFindsNoFileKeepsTheCurrentReader) {
    ASSERT_TRUE(mgr.Load(WriteTheme("a.theme", 11)));
    EXPECT_FALSE(mgr.Load(dir_.filePath("missing.theme")));
    EXPECT_FALSE(mgr.Load(dir_.path())); // a folder is no file either
    EXPECT_FALSE(mgr.Load(QString()));
    EXPECT_EQ(mgr.GetInt(SUI_THEME_FORM_ROUNDCORNER_INT), 11);

    ASSERT_TRUE(mgr.Load(WriteTheme("b.theme", 5)));
    EXPECT_EQ(mgr.GetInt(SUI_THEME_FORM_ROUNDCORNER_INT), 5);
}

TEST_F(TsuiFileThemeMgrTest, ADamagedFileRaisesAndLeavesNoReader) {
    ASSERT_TRUE(mgr.Load(WriteTheme("a.theme", 11)));
    const QString cut = WriteCutShort("cut.theme");
    try {
        mgr.Load(cut);
        FAIL() << "a damaged file was read";
    } catch (const EFileError& error) {
        EXPECT_THAT(error.Message().toStdString(), HasSubstr(cut.toStdString()));
    }
    ExpectNoReader();

    ASSERT_TRUE(mgr.Load(WriteTheme("b.theme", 5)));
    EXPECT_EQ(mgr.GetInt(SUI_THEME_FORM_ROUNDCORNER_INT), 5);
}

} // namespace
