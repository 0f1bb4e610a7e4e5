#include "skin/SUIMgr.h"

#include "framework/core/Exception.h"
#include "framework/core/TForm.h"
#include "framework/forms/FormParser.h"
#include "framework/forms/FormReader.h"
#include "framework/graphics/TBitmap.h"
#include "skin/SUIPopupMenu.h"
#include "skin/SUIThemes.h"
#include "skin/support/ThemeFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>

using testing::HasSubstr;
using W = ThemeFileWriter;

// A skinned component as the file theme sees it: a "Tsui" class publishing FileTheme. It notes
// every assignment and what the theme answered at that moment.
class TsuiFileThemeProbe : public TComponent {
    Q_OBJECT
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
public:
    using TComponent::TComponent;
    TsuiFileTheme* FileTheme() const { return theme_; }
    void SetFileTheme(TsuiFileTheme* theme) {
        theme_ = theme;
        ++Assignments;
        SeenRoundCorner = theme ? theme->GetInt(SUI_THEME_FORM_ROUNDCORNER_INT) : 0;
    }
    int Assignments = 0;
    int SeenRoundCorner = 0;

private:
    TsuiFileTheme* theme_ = nullptr;
};

// The same property on a class outside the skin layer: the theme leaves it alone.
class FileThemeProbeOutsideSkin : public TsuiFileThemeProbe {
    Q_OBJECT
public:
    using TsuiFileThemeProbe::TsuiFileThemeProbe;
};

namespace {

const QColor kFrames[] = {Qt::red, Qt::green, Qt::blue};

class SUIMgrTest : public testing::Test {
protected:
    QString Write(const QString& name, const W& writer) const {
        const QString path = dir_.filePath(name);
        writer.Save(path);
        return path;
    }
    QString WriteBytes(const QString& name, const QByteArray& bytes) const {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            ADD_FAILURE() << "cannot write " << path.toStdString();
        return path;
    }
    // Its button image claims more data than the file holds.
    QString WriteDamaged(const QString& name) const {
        QByteArray damaged = Theme(12).Build();
        W::PutU32(damaged, W::RecordOffset(3) + W::kDataSizeAt, 1u << 30);
        return WriteBytes(name, damaged);
    }
    static W Theme(std::int32_t roundCorner) {
        W writer;
        writer.AddInt("FormRoundCornerInt", roundCorner)
            .AddInt("FormBorderColor", 0xC82C00)
            .AddBool("ButtonTransparentBool", 1)
            .AddImage("ButtonImage", W::Bmp({kFrames[0], kFrames[1], kFrames[2]}, 5, 4))
            .AddImage("CheckBoxImage", "no bitmap at all");
        return writer;
    }

    QTemporaryDir dir_;
};

TEST_F(SUIMgrTest, WithoutFileLookupsAnswerNothing) {
    TsuiFileTheme theme(nullptr);
    EXPECT_FALSE(theme.IsValid());
    EXPECT_EQ(theme.GetInt(SUI_THEME_FORM_ROUNDCORNER_INT), 0);
    EXPECT_EQ(theme.GetColor(SUI_THEME_FORM_BORDER_COLOR), 0);
    EXPECT_FALSE(theme.GetBool(SUI_THEME_BUTTON_TRANSPARENT_BOOL));
    TBitmap bitmap;
    bitmap.SetSize(3, 2);
    theme.GetBitmap(SUI_THEME_BUTTON_IMAGE, &bitmap);
    EXPECT_EQ(bitmap.Width(), 3);
    theme.GetFrameBitmap(SUI_THEME_BUTTON_IMAGE, &bitmap, 3, 1);
    EXPECT_TRUE(bitmap.Empty());
    TsuiUIStyle effective{};
    EXPECT_FALSE(ResolveStyle(&theme, TsuiUIStyle::FromThemeFile, effective));
    EXPECT_EQ(effective, TsuiUIStyle::DeepBlue);
}

TEST_F(SUIMgrTest, LoadedFileAnswersRolesByKey) {
    TsuiFileTheme theme(nullptr);
    theme.SetThemeFile(Write("a.theme", Theme(11)));
    ASSERT_TRUE(theme.IsValid());
    EXPECT_EQ(theme.GetInt(SUI_THEME_FORM_ROUNDCORNER_INT), 11);
    EXPECT_EQ(theme.GetInt(SUI_THEME_FORM_MINWIDTH_INT), -1);
    EXPECT_EQ(theme.GetColor(SUI_THEME_FORM_BORDER_COLOR), 0xC82C00);
    EXPECT_EQ(theme.GetColor(SUI_THEME_FORM_BACKGROUND_COLOR), -1);
    EXPECT_TRUE(theme.GetBool(SUI_THEME_BUTTON_TRANSPARENT_BOOL));
    EXPECT_FALSE(theme.GetBool(SUI_THEME_TITLEBAR_BUTTON_TRANSPARENT_BOOL));
    TsuiUIStyle effective{};
    EXPECT_TRUE(ResolveStyle(&theme, TsuiUIStyle::FromThemeFile, effective));
    EXPECT_EQ(effective, TsuiUIStyle::FromThemeFile);

    TBitmap bitmap;
    theme.GetBitmap(SUI_THEME_BUTTON_IMAGE, &bitmap);
    EXPECT_EQ(bitmap.Width(), 15);
    EXPECT_EQ(bitmap.Height(), 4);
    theme.GetFrameBitmap(SUI_THEME_BUTTON_IMAGE, &bitmap, 3, 2);
    ASSERT_EQ(bitmap.Width(), 5);
    EXPECT_EQ(bitmap.Height(), 4);
    EXPECT_EQ(bitmap.Image().pixelColor(0, 0), QColor(Qt::green));
    EXPECT_EQ(bitmap.Image().pixelColor(4, 3), QColor(Qt::green));
    theme.GetBitmap(SUI_THEME_BUTTON_IMAGE, nullptr);
}

TEST_F(SUIMgrTest, ThemeLookupsAskTheFileOnlyForFromThemeFileWithAValidFile) {
    TsuiFileTheme theme(nullptr);
    const auto lookups = [&theme](TsuiUIStyle style) {
        TBitmap frame;
        ThemeFrame(&theme, style, SUI_THEME_BUTTON_IMAGE, &frame, 3, 2);
        return std::tuple{ThemeInt(&theme, style, SUI_THEME_FORM_ROUNDCORNER_INT),
                          ThemeColor(&theme, style, SUI_THEME_FORM_BORDER_COLOR),
                          ThemeBool(&theme, style, SUI_THEME_BUTTON_TRANSPARENT_BOOL),
                          frame.Width()};
    };
    // Without a file FromThemeFile reads DeepBlue; a built-in style never reads the file.
    const auto deepBlue = lookups(TsuiUIStyle::DeepBlue);
    EXPECT_EQ(lookups(TsuiUIStyle::FromThemeFile), deepBlue);
    theme.SetThemeFile(Write("a.theme", Theme(11)));
    EXPECT_EQ(lookups(TsuiUIStyle::FromThemeFile), (std::tuple{11, TColor(0xC82C00), true, 5}));
    EXPECT_EQ(lookups(TsuiUIStyle::DeepBlue), deepBlue);
    EXPECT_EQ(ThemeInt(nullptr, TsuiUIStyle::BlueGlass, SUI_THEME_FORM_ROUNDCORNER_INT), 11);

    TBitmap whole;
    ThemeBitmap(&theme, TsuiUIStyle::FromThemeFile, SUI_THEME_BUTTON_IMAGE, &whole);
    EXPECT_EQ(whole.Width(), 15);
    ThemeBitmap(nullptr, TsuiUIStyle::BlueGlass, SUI_THEME_BUTTON_IMAGE, &whole);
    EXPECT_EQ(whole.Width(), 231);
    EXPECT_THROW(ThemeBitmap(&theme, TsuiUIStyle::FromThemeFile, SUI_THEME_CHECKBOX_IMAGE, &whole),
                 EResourceError);
}

TEST_F(SUIMgrTest, MissingOrBrokenImagesRaiseAndLeaveTheBitmap) {
    TsuiFileTheme theme(nullptr);
    theme.SetThemeFile(Write("a.theme", Theme(11)));
    TBitmap bitmap;
    bitmap.SetSize(7, 7);
    try {
        theme.GetBitmap(SUI_THEME_TITLEBAR_LEFT_IMAGE, &bitmap);
        ADD_FAILURE() << "a missing image loaded";
    } catch (const EResourceError& error) {
        EXPECT_THAT(error.Message().toStdString(), HasSubstr("no image \"TitleBarLeftImage\""));
    }
    try {
        theme.GetFrameBitmap(SUI_THEME_CHECKBOX_IMAGE, &bitmap, 2, 1);
        ADD_FAILURE() << "an image that is no bitmap loaded";
    } catch (const EResourceError& error) {
        EXPECT_THAT(error.Message().toStdString(), HasSubstr("\"CheckBoxImage\""));
        EXPECT_THAT(error.Message().toStdString(), HasSubstr("not a valid bitmap"));
    }
    EXPECT_EQ(bitmap.Width(), 7);
}

TEST_F(SUIMgrTest, ThemeFileResolvesAndSkipsWhatIsNotThere) {
    TsuiFileTheme theme(nullptr);
    const QString first = Write("a.theme", Theme(11));
    theme.SetThemeFile(first);
    theme.SetThemeFile(dir_.filePath("missing.theme"));
    EXPECT_EQ(theme.ThemeFile(), first);
    EXPECT_TRUE(theme.IsValid());
    theme.SetThemeFile(QString());
    EXPECT_EQ(theme.ThemeFile(), first);

    // The same string again reads nothing, even though the file changed.
    Write("a.theme", Theme(5));
    theme.SetThemeFile(first);
    EXPECT_EQ(theme.GetInt(SUI_THEME_FORM_ROUNDCORNER_INT), 11);
    theme.SetThemeFile(dir_.filePath("./a.theme"));
    EXPECT_EQ(theme.GetInt(SUI_THEME_FORM_ROUNDCORNER_INT), 5);
}

TEST_F(SUIMgrTest, BareNameFoundBesideTheProgramStoresTheFullPath) {
    const QString name =
        QStringLiteral("suimgr-test-%1.theme").arg(QCoreApplication::applicationPid());
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    Theme(13).Save(beside);
    // Run from elsewhere, so that the bare name is not found relative to the working folder
    // (which under the test runner is the program's own).
    struct Restore {
        QString Path;
        QString WorkingFolder = QDir::currentPath();
        ~Restore() {
            QDir::setCurrent(WorkingFolder);
            QFile::remove(Path);
        }
    } restore{beside};
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));

    TsuiFileTheme theme(nullptr);
    theme.SetThemeFile(name);
    EXPECT_EQ(theme.ThemeFile().toStdString(), beside.toStdString());
    EXPECT_EQ(theme.GetInt(SUI_THEME_FORM_ROUNDCORNER_INT), 13);
    // A folder that does not exist keeps only the file name.
    TsuiFileTheme other(nullptr);
    other.SetThemeFile(dir_.filePath("nowhere/" + name));
    EXPECT_EQ(other.ThemeFile().toStdString(), beside.toStdString());
}

TEST_F(SUIMgrTest, DamagedFileFailsAfterTakingThePath) {
    TsuiFileTheme theme(nullptr);
    theme.SetThemeFile(Write("a.theme", Theme(11)));
    const QString bad = WriteDamaged("bad.theme");

    try {
        theme.SetThemeFile(bad);
        FAIL() << "a damaged file was accepted";
    } catch (const EFileError& error) {
        EXPECT_THAT(error.Message().toStdString(), HasSubstr(bad.toStdString()));
        EXPECT_THAT(error.Message().toStdString(), HasSubstr("\"ButtonImage\""));
    }
    EXPECT_EQ(theme.ThemeFile(), bad);
    EXPECT_TRUE(theme.IsValid());
    EXPECT_EQ(theme.GetInt(SUI_THEME_FORM_ROUNDCORNER_INT), 0);
    EXPECT_FALSE(theme.GetBool(SUI_THEME_BUTTON_TRANSPARENT_BOOL));
    TBitmap bitmap;
    theme.GetBitmap(SUI_THEME_BUTTON_IMAGE, &bitmap);
    EXPECT_TRUE(bitmap.Empty());

    theme.SetThemeFile(Write("c.theme", Theme(9)));
    EXPECT_EQ(theme.GetInt(SUI_THEME_FORM_ROUNDCORNER_INT), 9);
}

TEST_F(SUIMgrTest, AFileChangedCutShortOrDeletedBetweenAssignments) {
    TsuiFileTheme theme(nullptr);
    const QString path = Write("a.theme", Theme(11));
    const QString samePath = dir_.filePath("./a.theme"); // another spelling: read again
    theme.SetThemeFile(path);
    ASSERT_EQ(theme.GetInt(SUI_THEME_FORM_ROUNDCORNER_INT), 11);

    // Changed: the new values are read.
    Write("a.theme", Theme(7));
    theme.SetThemeFile(samePath);
    EXPECT_EQ(theme.GetInt(SUI_THEME_FORM_ROUNDCORNER_INT), 7);

    // Cut short: a failed load naming the file, and no answers from what was left of it.
    const QByteArray whole = Theme(5).Build();
    for (const qsizetype keep : {qsizetype(0), qsizetype(10), whole.size() / 2}) {
        SCOPED_TRACE(keep);
        WriteBytes("a.theme", whole.left(keep));
        const QString spelling = theme.ThemeFile() == path ? samePath : path;
        try {
            theme.SetThemeFile(spelling);
            ADD_FAILURE() << "a file cut short was accepted";
        } catch (const EFileError& error) {
            EXPECT_THAT(error.Message().toStdString(), HasSubstr(spelling.toStdString()));
        }
        EXPECT_EQ(theme.GetInt(SUI_THEME_FORM_ROUNDCORNER_INT), 0);
    }

    // Deleted: nothing to load, the theme stays as it was.
    theme.SetThemeFile(Write("b.theme", Theme(3)));
    ASSERT_TRUE(QFile::remove(path));
    theme.SetThemeFile(path);
    EXPECT_EQ(theme.ThemeFile(), dir_.filePath("b.theme"));
    EXPECT_EQ(theme.GetInt(SUI_THEME_FORM_ROUNDCORNER_INT), 3);
}

TEST_F(SUIMgrTest, WhatIsNoOrdinaryFileOrTooLargeIsRefusedWithoutWaitingOnIt) {
    TsuiFileTheme theme(nullptr);
    const QString good = Write("good.theme", Theme(4));
    theme.SetThemeFile(good);
    const QString fifo = dir_.filePath("pipe.theme");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = dir_.filePath("zero.theme");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.theme"));
    // Nothing is there to be read, and no file of that name lies beside the program.
    for (const QString& path : {fifo, zero, dir_.filePath("folder.theme")}) {
        SCOPED_TRACE(path.toStdString());
        theme.SetThemeFile(path);
        EXPECT_EQ(theme.ThemeFile(), good);
        EXPECT_EQ(theme.GetInt(SUI_THEME_FORM_ROUNDCORNER_INT), 4);
    }
    // Larger than any theme: refused by its size, unread (the file is sparse).
    const QString huge = dir_.filePath("huge.theme");
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(65 * 1024 * 1024));
    file.close();
    EXPECT_THROW(theme.SetThemeFile(huge), EFileError);
    EXPECT_EQ(theme.GetInt(SUI_THEME_FORM_ROUNDCORNER_INT), 0);
}

TEST_F(SUIMgrTest, LoadingReappliesToTheOwnerFormsSkinnedUsers) {
    TForm form(nullptr);
    auto* theme = new TsuiFileTheme(&form);
    auto* otherTheme = new TsuiFileTheme(&form);
    auto* user = new TsuiFileThemeProbe(&form);
    auto* otherUser = new TsuiFileThemeProbe(&form);
    auto* outside = new FileThemeProbeOutsideSkin(&form);
    user->SetFileTheme(theme);
    otherUser->SetFileTheme(otherTheme);
    outside->SetFileTheme(theme);
    for (auto* probe : {user, otherUser, static_cast<TsuiFileThemeProbe*>(outside)})
        probe->Assignments = 0;

    theme->SetThemeFile(Write("a.theme", Theme(11)));
    EXPECT_EQ(user->Assignments, 1);
    EXPECT_EQ(user->SeenRoundCorner, 11); // the new file is in place when the user re-reads
    EXPECT_EQ(user->FileTheme(), theme);
    EXPECT_EQ(otherUser->Assignments, 0);
    EXPECT_EQ(outside->Assignments, 0);

    theme->SetThemeFile(dir_.filePath("missing.theme"));
    EXPECT_THROW(theme->SetThemeFile(WriteBytes("bad.theme", W().Build().left(10))), EFileError);
    EXPECT_EQ(user->Assignments, 1);

    // Owned by something that is no form: its user beside it is not told.
    TComponent module(nullptr);
    auto* moduleUser = new TsuiFileThemeProbe(&module);
    auto* moduleTheme = new TsuiFileTheme(&module);
    moduleUser->SetFileTheme(moduleTheme);
    moduleTheme->SetThemeFile(Write("b.theme", Theme(3)));
    EXPECT_EQ(moduleUser->Assignments, 1);
}

// A form description whose menu, read first, takes its look from the theme read after it.
QString DescriptionWithTheme(const QString& themeFile) {
    return QStringLiteral("object Form1: TForm\n"
                          "  object suiPopupMenu1: TsuiPopupMenu\n"
                          "    FileTheme = suiFileTheme1\n"
                          "    UIStyle = FromThemeFile\n"
                          "  end\n"
                          "  object suiFileTheme1: TsuiFileTheme\n"
                          "    ThemeFile = '%1'\n"
                          "  end\n"
                          "end\n")
        .arg(themeFile);
}

TEST_F(SUIMgrTest, AFormDescriptionHoldsAThemeThatItsComponentsUse) {
    constexpr TColor kMenuColour = 0x123456;
    W writer = Theme(11);
    writer.AddInt("MenuBackgroundColor", kMenuColour);
    const QString path = Write("a.theme", writer);
    TForm form(nullptr);
    FormReader::ReadInto(&form, FormParser::Parse(DescriptionWithTheme(path)));
    auto* theme = qobject_cast<TsuiFileTheme*>(form.FindComponent(QStringLiteral("suiFileTheme1")));
    auto* menu = qobject_cast<TsuiPopupMenu*>(form.FindComponent(QStringLiteral("suiPopupMenu1")));
    ASSERT_NE(theme, nullptr);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(theme->ThemeFile(), path);
    EXPECT_TRUE(theme->IsValid());
    EXPECT_EQ(menu->FileTheme(), theme);
    EXPECT_EQ(menu->Color(), kMenuColour);
}

TEST_F(SUIMgrTest, ADamagedThemeFileInADescriptionIsAReadErrorThatKeepsItsText) {
    const QString bad = WriteDamaged("bad.theme");
    TForm form(nullptr);
    try {
        FormReader::ReadInto(&form, FormParser::Parse(DescriptionWithTheme(bad)));
        FAIL() << "a damaged theme file was read";
    } catch (const EReadError& error) {
        const std::string text = error.Message().toStdString();
        EXPECT_THAT(text, HasSubstr("line 7: suiFileTheme1.ThemeFile: Sorry, the theme file \"" +
                                    bad.toStdString() + "\" is damaged"));
        EXPECT_THAT(text, HasSubstr("\"ButtonImage\""));
    }
    // What was read stays with the form; the theme took the path but holds no file.
    auto* theme = qobject_cast<TsuiFileTheme*>(form.FindComponent(QStringLiteral("suiFileTheme1")));
    ASSERT_NE(theme, nullptr);
    EXPECT_NE(form.FindComponent(QStringLiteral("suiPopupMenu1")), nullptr);
    EXPECT_EQ(theme->ThemeFile(), bad);
    EXPECT_FALSE(theme->IsValid());
}

} // namespace

#include "SUIMgrTest.moc"
