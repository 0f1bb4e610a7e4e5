#include "ThemeCommands.h"
#include "ThemeFolder.h"

#include "framework/graphics/TBitmap.h"
#include "skin/SUIMgr.h"
#include "skin/SUIThemes.h"
#include "skin/support/ThemeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::HasSubstr;

namespace {

struct ToolRun {
    int Status;
    std::string Out;
    std::string Err;
};

ToolRun Tool(const QStringList& args) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = RunThemeTool(args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {status, out.toStdString(), err.toStdString()};
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

class ThemeToolTest : public testing::Test {
protected:
    QString Path(const QString& name) const { return scratch.filePath(name); }
    // A folder holding the built-in style as export writes it.
    QString Exported(TsuiUIStyle style, const QString& name) {
        const ToolRun run = Tool({"export", QVariant::fromValue(style).toString(), Path(name)});
        EXPECT_EQ(run.Status, 0) << run.Err;
        return Path(name);
    }

    QTemporaryDir scratch;
};

constexpr TsuiUIStyle kBuiltInStyles[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP,
                                          TsuiUIStyle::DeepBlue, TsuiUIStyle::Protein,
                                          TsuiUIStyle::BlueGlass};

// Each style, exported, packed and loaded as a file theme, answers every role as the built-in
// style does, its pictures pixel for pixel.
TEST_F(ThemeToolTest, ExportedStylesPackIntoFileThemesThatLookTheSame) {
    for (const TsuiUIStyle style : kBuiltInStyles) {
        SCOPED_TRACE(static_cast<int>(style));
        const QString theme = Path(QStringLiteral("style%1.theme").arg(static_cast<int>(style)));
        const ToolRun pack =
            Tool({"pack", Exported(style, QString::number(static_cast<int>(style))), theme});
        ASSERT_EQ(pack.Status, 0) << pack.Err;
        TsuiFileTheme file(nullptr);
        file.SetThemeFile(theme);
        ASSERT_TRUE(file.IsValid());
        for (const TsuiThemeRole role : AllThemeRoles()) {
            SCOPED_TRACE(ThemeKey(role).toStdString());
            constexpr TsuiUIStyle kFile = TsuiUIStyle::FromThemeFile;
            switch (ThemeKind(role)) {
            case TsuiThemeKind::Int:
                EXPECT_EQ(ThemeInt(&file, kFile, role), GetStyleInt(style, role));
                break;
            case TsuiThemeKind::Color:
                EXPECT_EQ(ThemeColor(&file, kFile, role), GetStyleColor(style, role));
                break;
            case TsuiThemeKind::Bool:
                EXPECT_EQ(ThemeBool(&file, kFile, role), GetStyleBool(style, role));
                break;
            case TsuiThemeKind::Image: {
                TBitmap fromFile;
                TBitmap builtIn;
                ThemeBitmap(&file, kFile, role, &fromFile);
                GetStyleBitmap(style, role, &builtIn);
                EXPECT_EQ(fromFile.Image(), builtIn.Image());
                break;
            }
            }
        }
        EXPECT_EQ(Tool({"check", theme}).Status, 0);
    }
}

TEST_F(ThemeToolTest, ShippedThemeAnswersEveryRoleAndUnpacksToTheSameBytes) {
    const QString shipped = QStringLiteral(DUANXIN_SHIPPED_THEME);
    const QByteArray bytes = FileBytes(shipped);
    ASSERT_FALSE(bytes.isEmpty()) << "no shipped theme at " << shipped.toStdString();
    const ToolRun check = Tool({"check", shipped});
    EXPECT_EQ(check.Status, 0) << check.Out;
    EXPECT_THAT(check.Out, HasSubstr("made by duanxin-theme, format 1"));
    EXPECT_THAT(check.Out, HasSubstr("42 of 42 roles answered"));
    ASSERT_EQ(Tool({"unpack", shipped, Path("jade")}).Status, 0);
    EXPECT_THAT(FileBytes(Path("jade/theme.txt")).toStdString(), HasSubstr("Name = Jade"));
    ASSERT_EQ(Tool({"pack", Path("jade"), Path("again.theme")}).Status, 0);
    EXPECT_EQ(FileBytes(Path("again.theme")), bytes);
}

TEST_F(ThemeToolTest, ColoursReadEitherWayAndUnpackWritesThemAsPeopleDo) {
    const QString folder = Exported(TsuiUIStyle::WinXP, "xp");
    QByteArray values = FileBytes(folder + "/theme.txt");
    ASSERT_THAT(values.toStdString(), HasSubstr("FormBorderColor = #002CC8"));
    values.replace("FormBorderColor = #002CC8", "FormBorderColor = 0x00C82C00");
    values.replace("MenuFontColor = #000000", "MenuFontColor = 0x123");
    values.replace("ButtonTransparentBool = false", "ButtonTransparentBool = TRUE");
    values.replace("TitleBarButtonRightOffsetInt = -2", "TitleBarButtonRightOffsetInt = +7");
    Write(folder + "/theme.txt", values);
    ASSERT_EQ(Tool({"pack", folder, Path("xp.theme")}).Status, 0);
    TsuiFileTheme file(nullptr);
    file.SetThemeFile(Path("xp.theme"));
    EXPECT_EQ(file.GetColor(SUI_THEME_FORM_BORDER_COLOR), 0xC82C00);
    EXPECT_EQ(file.GetColor(SUI_THEME_MENU_FONT_COLOR), 0x123);
    EXPECT_TRUE(file.GetBool(SUI_THEME_BUTTON_TRANSPARENT_BOOL));
    EXPECT_EQ(file.GetInt(SUI_THEME_TITLEBAR_BUTTON_RIGHTOFFSET_INT), 7);
    ASSERT_EQ(Tool({"unpack", Path("xp.theme"), Path("xp2")}).Status, 0);
    const std::string unpacked = FileBytes(Path("xp2/theme.txt")).toStdString();
    EXPECT_THAT(unpacked, HasSubstr("FormBorderColor = #002CC8\n"));
    EXPECT_THAT(unpacked, HasSubstr("MenuFontColor = #230100\n"));
    EXPECT_THAT(unpacked, HasSubstr("ButtonTransparentBool = true\n"));
}

struct BadFolder {
    const char* Case;
    std::function<void(const QString& folder)> Spoil;
    const char* Expected; // part of the message, after the folder's path
};

void Append(const QString& folder, const QByteArray& lines) {
    QByteArray values = FileBytes(folder + "/theme.txt");
    values.replace("[text]", lines + "[text]");
    Write(folder + "/theme.txt", values);
}

void Replace(const QString& folder, const QByteArray& line, const QByteArray& by) {
    QByteArray values = FileBytes(folder + "/theme.txt");
    ASSERT_TRUE(values.contains(line + "\n")) << line.toStdString();
    values.replace(line + "\n", by + "\n");
    Write(folder + "/theme.txt", values);
}

void AppendText(const QString& folder, const QByteArray& line) {
    Write(folder + "/theme.txt", FileBytes(folder + "/theme.txt") + line + "\n");
}

void Copy(const QString& folder, const char* from, const char* to) {
    QFile::copy(folder + "/" + from, folder + "/" + to);
}

// The exported theme.txt's lines: the comment, 23 values, a blank line, [text] at line 26.
const std::vector<BadFolder> kBadFolders = {
    {"unknown key", [](const QString& f) { Append(f, "FormColour = #FFFFFF\n"); },
     "/theme.txt:26: \"FormColour\" is no theme key"},
    {"image key given a value", [](const QString& f) { Append(f, "ButtonImage = 3\n"); },
     "/theme.txt:26: ButtonImage is a picture; put ButtonImage.bmp in the folder instead"},
    {"picture for a number",
     [](const QString& f) { Copy(f, "ButtonImage.bmp", "FormMinWidthInt.bmp"); },
     "/FormMinWidthInt.bmp: FormMinWidthInt is a whole number, not a picture"},
    {"picture for no role", [](const QString& f) { Copy(f, "ButtonImage.bmp", "Button.bmp"); },
     "/Button.bmp: not part of a theme folder"},
    {"two pictures of one role",
     [](const QString& f) { Copy(f, "ButtonImage.bmp", "buttonimage.BMP"); },
     "a second picture for ButtonImage"},
    {"a file that is no picture",
     [](const QString& f) { Write(f + "/CheckBoxImage.bmp", "BM but nothing more"); },
     "/CheckBoxImage.bmp: not a BMP picture"},
    {"a PNG under a bitmap's name",
     [](const QString& f) {
         QImage(4, 4, QImage::Format_RGB32).save(f + "/CheckBoxImage.bmp", "PNG");
     },
     "/CheckBoxImage.bmp: not a BMP picture"},
    {"other files", [](const QString& f) { Write(f + "/notes.txt", "x"); },
     "/notes.txt: not part of a theme folder"},
    {"a sub-folder", [](const QString& f) { QDir(f).mkdir("old"); },
     "/old: not part of a theme folder"},
    {"no values file", [](const QString& f) { QFile::remove(f + "/theme.txt"); },
     ": the folder has no theme.txt"},
    {"values not UTF-8", [](const QString& f) { Append(f, "# caf\xE9\n"); },
     "/theme.txt: not UTF-8 text"},
    {"no equals sign", [](const QString& f) { Append(f, "FormMinWidthInt 12\n"); },
     "/theme.txt:26: expected \"key = value\""},
    {"malformed whole number",
     [](const QString& f) { Replace(f, "FormMinWidthInt = 270", "FormMinWidthInt = 12px"); },
     "/theme.txt:7: FormMinWidthInt takes a whole number, not \"12px\""},
    {"whole number out of range",
     [](const QString& f) { Replace(f, "FormMinWidthInt = 270", "FormMinWidthInt = 2147483648"); },
     "/theme.txt:7: FormMinWidthInt takes a whole number, not \"2147483648\""},
    {"short colour",
     [](const QString& f) { Replace(f, "FormBorderColor = #000000", "FormBorderColor = #00000"); },
     "/theme.txt:10: FormBorderColor takes a colour written #RRGGBB or 0x00BBGGRR, not \"#00000\""},
    {"colour with a top byte",
     [](const QString& f) {
         Replace(f, "FormBorderColor = #000000", "FormBorderColor = 0xFF000007");
     },
     "FormBorderColor takes a colour written #RRGGBB or 0x00BBGGRR, not \"0xFF000007\""},
    {"Boolean as a word of its own",
     [](const QString& f) {
         Replace(f, "ButtonTransparentBool = true", "ButtonTransparentBool = yes");
     },
     "/theme.txt:2: ButtonTransparentBool takes true or false, not \"yes\""},
    {"a key in other letter case twice",
     [](const QString& f) { Append(f, "formroundcornerint = 3\n"); },
     "/theme.txt:26: FormRoundCornerInt is given twice (first on line 8)"},
    {"unknown heading", [](const QString& f) { Append(f, "[colours]\n"); },
     "/theme.txt:26: unknown heading [colours]"},
    {"a role among the texts", [](const QString& f) { AppendText(f, "FormMinWidthInt = 5"); },
     "/theme.txt:28: FormMinWidthInt is a theme role; give it above the [text] heading"},
    {"a text name with a space", [](const QString& f) { AppendText(f, "Made by = me"); },
     "/theme.txt:28: \"Made by\" cannot name a text entry"},
    {"a text given twice", [](const QString& f) { AppendText(f, "name = Two"); },
     "/theme.txt:28: name is given twice (first on line 27)"},
};

TEST_F(ThemeToolTest, PackRefusesEachBadInputByFileAndLineAndWritesNothing) {
    const QString out = Path("out.theme");
    Write(out, "the file before");
    for (const BadFolder& bad : kBadFolders) {
        SCOPED_TRACE(bad.Case);
        const QString folder = Exported(TsuiUIStyle::BlueGlass, bad.Case);
        bad.Spoil(folder);
        const ToolRun run = Tool({"pack", folder, out});
        EXPECT_EQ(run.Status, 1);
        EXPECT_THAT(run.Err, HasSubstr(folder.toStdString()));
        EXPECT_THAT(run.Err, HasSubstr(bad.Expected));
        EXPECT_EQ(FileBytes(out), "the file before");
    }
    const ToolRun none = Tool({"pack", Path("nowhere"), out});
    EXPECT_EQ(none.Status, 1);
    EXPECT_THAT(none.Err, HasSubstr("nowhere: no such folder"));
}

TEST_F(ThemeToolTest, PackShowsEveryFaultOfAFolderAtOnce) {
    const QString folder = Exported(TsuiUIStyle::DeepBlue, "many");
    Append(folder, "FormColour = 1\nFormMinWidthInt = wide\n");
    Write(folder + "/stray.png", "x");
    const ToolRun run = Tool({"pack", folder, Path("many.theme")});
    EXPECT_THAT(run.Err, HasSubstr("stray.png: not part of a theme folder"));
    EXPECT_THAT(run.Err, HasSubstr(":26: \"FormColour\" is no theme key"));
    EXPECT_THAT(run.Err, HasSubstr(":27: FormMinWidthInt is given twice"));
    EXPECT_FALSE(QFile::exists(Path("many.theme")));
}

// A file of some roles, two entries no role can use, a second entry of a name, a picture that is
// no picture and a colour that is none.
QByteArray PartialTheme() {
    return ThemeFileWriter()
        .AddInt("FormRoundCornerInt", 9)
        .AddBool("buttontransparentbool", 1)
        .AddImage("ButtonImage", ThemeFileWriter::Bmp({Qt::red, Qt::green, Qt::blue}, 4, 3))
        .AddImage("CheckBoxImage", "BM, but no picture")
        .AddInt("FormRoundCornerInt", 4)
        .AddInt("ButtonImage", 3)
        .AddInt("FormBorderColor", static_cast<std::int32_t>(0xFF000007))
        .AddBool("Sparkle", 1)
        .AddText("Name", "Partial")
        .AddText("Notes", "line one\nline two")
        .Build();
}

TEST_F(ThemeToolTest, CheckListsWhatAFileAnswersLacksAndLeavesUnused) {
    Write(Path("partial.theme"), PartialTheme());
    const ToolRun run = Tool({"check", Path("partial.theme")});
    EXPECT_EQ(run.Status, 1);
    EXPECT_THAT(run.Out, HasSubstr("3 of 42 roles answered:"));
    EXPECT_THAT(run.Out, HasSubstr(" 1 ButtonImage                      picture 12 x 3\n"));
    EXPECT_THAT(run.Out, HasSubstr(" 2 ButtonTransparentBool            true\n"));
    EXPECT_THAT(run.Out, HasSubstr("14 FormRoundCornerInt               9\n"));
    EXPECT_THAT(run.Out,
                HasSubstr("missing:\n   3 CheckBoxImage                    (no picture)\n"));
    EXPECT_THAT(run.Out, HasSubstr("13 FormMinWidthInt                  (answers -1)\n"));
    EXPECT_THAT(run.Out, HasSubstr(" 6 TitleBarButtonTransparentBool    (answers false)\n"));
    EXPECT_THAT(run.Out, HasSubstr("picture \"CheckBoxImage\": not a readable BMP picture"));
    EXPECT_THAT(run.Out, HasSubstr("number \"FormRoundCornerInt\": a second entry"));
    EXPECT_THAT(run.Out, HasSubstr("number \"ButtonImage\": the role ButtonImage takes a picture"));
    EXPECT_THAT(run.Out, HasSubstr("number \"FormBorderColor\": 0xff000007 is no colour"));
    EXPECT_THAT(run.Out, HasSubstr("Boolean \"Sparkle\": no role has that name"));
}

TEST_F(ThemeToolTest, CheckTellsAFileItCannotRead) {
    Write(Path("short.theme"), "duanxin");
    const ToolRun damaged = Tool({"check", Path("short.theme")});
    EXPECT_EQ(damaged.Status, 2);
    EXPECT_THAT(damaged.Err, HasSubstr("is damaged: it is shorter than its 24-byte header"));
    EXPECT_EQ(Tool({"check", Path("absent.theme")}).Status, 2);
    EXPECT_EQ(Tool({"check", "/dev/zero"}).Status, 2);
}

TEST_F(ThemeToolTest, UnpackKeepsWhatPackTakesAndSaysWhatItLeftOut) {
    Write(Path("partial.theme"), PartialTheme());
    const ToolRun run = Tool({"unpack", Path("partial.theme"), Path("partial")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_THAT(run.Out, HasSubstr("3 of 42 roles, 2 text entries"));
    EXPECT_THAT(run.Err, HasSubstr("left out: Boolean \"Sparkle\""));
    EXPECT_THAT(run.Err, HasSubstr("left out: text \"Notes\": its line breaks were made spaces"));
    EXPECT_EQ(QDir(Path("partial")).entryList(QDir::Files),
              QStringList({"ButtonImage.bmp", "theme.txt"}));
    const std::string values = FileBytes(Path("partial/theme.txt")).toStdString();
    EXPECT_THAT(values, HasSubstr("ButtonTransparentBool = true\nFormRoundCornerInt = 9\n"));
    EXPECT_THAT(values, HasSubstr("[text]\nName = Partial\nNotes = line one line two\n"));
    EXPECT_EQ(Tool({"pack", Path("partial"), Path("repacked.theme")}).Status, 0);
}

TEST_F(ThemeToolTest, UnpackAndExportNeverWriteIntoAFolderThatHoldsFiles) {
    QDir().mkpath(Path("mine"));
    Write(Path("mine/.keep"), "mine");
    Write(Path("partial.theme"), PartialTheme());
    for (const QStringList& args : {QStringList{"unpack", Path("partial.theme"), Path("mine")},
                                    QStringList{"export", "MacOS", Path("mine")}}) {
        const ToolRun run = Tool(args);
        EXPECT_EQ(run.Status, 1);
        EXPECT_THAT(run.Err, HasSubstr("mine: already holds files"));
    }
    EXPECT_EQ(QDir(Path("mine")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({".keep"}));
    QDir().mkpath(Path("empty"));
    EXPECT_EQ(Tool({"export", "protein", Path("empty")}).Status, 0);
}

TEST_F(ThemeToolTest, WrongCommandLinesShowTheUsage) {
    for (const QStringList& args : {QStringList{}, QStringList{"pack", "only-one"},
                                    QStringList{"check", "a", "b"}, QStringList{"merge", "a"}}) {
        const ToolRun run = Tool(args);
        EXPECT_EQ(run.Status, 2);
        EXPECT_THAT(run.Err, HasSubstr("usage: duanxin-theme pack FOLDER OUT"));
    }
    const ToolRun style = Tool({"export", "Jade", Path("jade")});
    EXPECT_EQ(style.Status, 2);
    EXPECT_THAT(style.Err, HasSubstr("\"Jade\" is no built-in style"));
    EXPECT_EQ(Tool({"--help"}).Status, 0);
}

} // namespace
