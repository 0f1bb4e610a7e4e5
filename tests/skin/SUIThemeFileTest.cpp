#include "skin/SUIThemeFile.h"

#include "framework/core/Exception.h"
#include "framework/graphics/TBitmap.h"
#include "skin/support/ThemeFileWriter.h"

#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

using testing::HasSubstr;

namespace {

using W = ThemeFileWriter;

TsuiThemeFileReader Read(const QByteArray& bytes) {
    return TsuiThemeFileReader(bytes, QStringLiteral("test.theme"));
}

std::string ReadError(const QByteArray& bytes) {
    try {
        Read(bytes);
    } catch (const EFileError& error) {
        return error.Message().toStdString();
    }
    return "no error";
}

QByteArray TwoEntries() {
    return W().AddInt("FormRoundCornerInt", 11).AddBool("ButtonTransparentBool", 1).Build();
}

TEST(SUIThemeFileTest, TerminatorRecordIsNoEntry) {
    QByteArray bytes = TwoEntries();
    // Give the terminator a name, a type and data of its own: it must still not be read.
    const qsizetype terminator = W::RecordOffset(2);
    bytes.replace(terminator, 8, "FormMinW");
    bytes[terminator + W::kTypeAt] = W::Integer;
    W::PutU32(bytes, terminator + W::kDataOffsetAt, 0);
    W::PutU32(bytes, terminator + W::kDataSizeAt, 4);

    const TsuiThemeFileReader reader = Read(bytes);
    ASSERT_EQ(reader.Integers().size(), 1u);
    ASSERT_EQ(reader.Booleans().size(), 1u);
    EXPECT_TRUE(reader.Images().empty());
    EXPECT_EQ(reader.GetInt("FormRoundCornerInt"), 11);
    EXPECT_TRUE(reader.GetBool("ButtonTransparentBool"));
    EXPECT_EQ(reader.GetInt("FormMinW"), -1);

    const TsuiThemeFileReader empty = Read(W().Build());
    EXPECT_TRUE(empty.Integers().empty() && empty.Booleans().empty() && empty.Images().empty() &&
                empty.Texts().empty());
}

TEST(SUIThemeFileTest, LookupsIgnoreCaseFirstEntryWinsAndDefault) {
    const QByteArray bmp = W::Bmp({Qt::red}, 2, 2);
    const QByteArray otherBmp = W::Bmp({Qt::blue}, 3, 3);
    const TsuiThemeFileReader reader = Read(W().AddInt("formroundcornerint", 11)
                                                .AddInt("FormRoundCornerInt", 99)
                                                .AddInt("FormBorderColor", 0xC82C00)
                                                .AddInt("TitleBarButtonRightOffsetInt", -3)
                                                .AddBool("buttontransparentbool", 0)
                                                .AddBool("ButtonTransparentBool", 1)
                                                .AddBool("TitleBarButtonTransparentBool", 200)
                                                .AddImage("BUTTONIMAGE", bmp)
                                                .AddImage("ButtonImage", otherBmp)
                                                .AddText("Author", "Velmora")
                                                .Build());
    EXPECT_EQ(reader.GetInt("FormRoundCornerInt"), 11);
    EXPECT_EQ(reader.GetInt("FormBorderColor"), 0xC82C00);
    EXPECT_EQ(reader.GetInt("TitleBarButtonRightOffsetInt"), -3);
    EXPECT_EQ(reader.GetInt("FormMinWidthInt"), -1);
    EXPECT_FALSE(reader.GetBool("ButtonTransparentBool"));
    EXPECT_TRUE(reader.GetBool("TitleBarButtonTransparentBool"));
    EXPECT_EQ(reader.GetImage("buttonimage"), bmp);
    EXPECT_FALSE(reader.GetImage("CheckBoxImage").has_value());
    // Each type has its own names: an integer is no Boolean and no image.
    EXPECT_FALSE(reader.GetImage("FormRoundCornerInt").has_value());
    EXPECT_FALSE(reader.GetBool("FormRoundCornerInt"));
    ASSERT_EQ(reader.Texts().size(), 1u);
    EXPECT_EQ(reader.Bytes(reader.Texts()[0]), "Velmora");
}

TEST(SUIThemeFileTest, OddSizesAndUnknownTypesAreSkipped) {
    const TsuiThemeFileReader reader =
        Read(W().Add("ShortInt", W::Integer, QByteArrayLiteral("\x05\x00"))
                 .Add("LongInt", W::Integer, QByteArrayLiteral("\x07\0\0\0\xFF\xFF"))
                 .Add("EmptyBool", W::Boolean, {})
                 .Add("WideBool", W::Boolean, QByteArrayLiteral("\x00\x01"))
                 .Add("Unknown", 9, QByteArrayLiteral("\x01\0\0\0"))
                 .AddInt("After", 5)
                 .Build());
    EXPECT_EQ(reader.GetInt("ShortInt"), -1);
    EXPECT_EQ(reader.GetInt("LongInt"), 7);
    EXPECT_FALSE(reader.GetBool("EmptyBool"));
    EXPECT_FALSE(reader.GetBool("WideBool"));
    EXPECT_EQ(reader.Booleans().size(), 1u);
    EXPECT_EQ(reader.GetInt("Unknown"), -1);
    EXPECT_EQ(reader.GetInt("After"), 5);
}

TEST(SUIThemeFileTest, NamesStopAtZeroOrAfterSixtyFourBytes) {
    const QByteArray longName(70, 'N');
    const TsuiThemeFileReader reader =
        Read(W().AddInt(QByteArray("Cut\0Tail", 8), 1).AddInt(longName, 2).Build());
    EXPECT_EQ(reader.GetInt("Cut"), 1);
    EXPECT_EQ(reader.GetInt(QString(64, 'N')), 2);
    // An unknown type may point anywhere: it is never read.
    QByteArray bytes = W().Add("Far", 7, {}).Build();
    W::PutU32(bytes, W::RecordOffset(0) + W::kDataOffsetAt, 0xFFFFFFF0);
    EXPECT_TRUE(Read(bytes).Integers().empty());
}

struct Damage {
    const char* Case;
    std::function<void(QByteArray&)> Apply;
    const char* Expected; // part of the message
};

// Every damage is made on TwoEntries() plus an image, then read from memory.
const std::vector<Damage> kDamages = {
    {"short file", [](QByteArray& b) { b.truncate(20); }, "shorter than its 24-byte header"},
    {"header length below 24", [](QByteArray& b) { W::PutU32(b, W::kHeaderLengthAt, 23); },
     "header length 23"},
    {"header length past the end",
     [](QByteArray& b) { W::PutU32(b, W::kHeaderLengthAt, 0x7FFFFFFF); },
     "header length 2147483647"},
    {"first record past the end",
     [](QByteArray& b) { W::PutU32(b, W::kFirstRecordAt, 0xFFFFFFFF); }, "offset 4294967295"},
    {"record cut by the end of the file",
     [](QByteArray& b) {
         W::PutU32(b, W::kFirstRecordAt, static_cast<std::uint32_t>(b.size() - 76));
     },
     "lies beyond the end of the file"},
    {"next record past the end",
     [](QByteArray& b) { W::PutU32(b, W::RecordOffset(1) + W::kNextRecordAt, 1u << 31); },
     "offset 2147483648 lies beyond"},
    {"chain back to the first record",
     [](QByteArray& b) { W::PutU32(b, W::RecordOffset(2) + W::kNextRecordAt, 24); },
     "returns to the record at offset 24"},
    {"record pointing at itself",
     [](QByteArray& b) { W::PutU32(b, W::RecordOffset(1) + W::kNextRecordAt, 101); },
     "returns to the record at offset 101"},
    {"image running past the end",
     [](QByteArray& b) { W::PutU32(b, W::RecordOffset(2) + W::kDataSizeAt, 0xFFFFFFFF); },
     "entry \"ButtonImage\" lies beyond"},
    {"image starting past the end",
     [](QByteArray& b) { W::PutU32(b, W::RecordOffset(2) + W::kDataOffsetAt, 0xFFFFFFFF); },
     "entry \"ButtonImage\" lies beyond"},
    {"integer past the end",
     [](QByteArray& b) {
         W::PutU32(b, W::RecordOffset(0) + W::kDataOffsetAt,
                   static_cast<std::uint32_t>(b.size() - 3));
     },
     "entry \"FormRoundCornerInt\" lies beyond"},
};

TEST(SUIThemeFileTest, DamagedFilesRaiseNamedErrors) {
    const QByteArray good = W().AddInt("FormRoundCornerInt", 11)
                                .AddBool("ButtonTransparentBool", 1)
                                .AddImage("ButtonImage", W::Bmp({Qt::red}, 4, 4))
                                .Build();
    ASSERT_EQ(ReadError(good), "no error");
    for (const Damage& damage : kDamages) {
        QByteArray bytes = good;
        damage.Apply(bytes);
        const std::string message = ReadError(bytes);
        EXPECT_THAT(message, HasSubstr("Sorry, the theme file \"test.theme\" is damaged"))
            << damage.Case;
        EXPECT_THAT(message, HasSubstr(damage.Expected)) << damage.Case;
    }
}

// Records four bytes apart: each one's next offset lies where the one before keeps its own, so
// the chain never revisits a record, yet it holds far more records than the file has room for.
TEST(SUIThemeFileTest, OverlappingRecordsBeyondTheFileSizeAreRefused) {
    constexpr qsizetype kFileSize = 1000;
    constexpr qsizetype kFirst = W::kHeaderSize;
    QByteArray bytes(kFileSize, '\0');
    W::PutU32(bytes, W::kHeaderLengthAt, W::kHeaderSize);
    W::PutU32(bytes, W::kFirstRecordAt, kFirst);
    for (qsizetype k = 0; k < 100; ++k)
        W::PutU32(bytes, kFirst + 4 * k + W::kNextRecordAt,
                  static_cast<std::uint32_t>(kFirst + 4 * (k + 1)));
    EXPECT_THAT(ReadError(bytes), HasSubstr("more directory records than its size allows"));
}

TEST(SUIThemeFileTest, ReadsFilesAndNamesTheOnesItCannotRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("good.theme"));
    W().AddInt("FormRoundCornerInt", 11).Save(path);
    EXPECT_EQ(TsuiThemeFileReader(path).GetInt("FormRoundCornerInt"), 11);
    EXPECT_EQ(TsuiThemeFileReader(path).SourceName(), path);

    const QString missing = dir.filePath(QStringLiteral("missing.theme"));
    try {
        TsuiThemeFileReader reader(missing);
        FAIL() << "a missing file was read";
    } catch (const EFileError& error) {
        EXPECT_THAT(error.Message().toStdString(), HasSubstr(missing.toStdString()));
    }
}

TEST(SUIThemeFileTest, APipeOrADeviceIsRefusedAsNoThemeFileWithoutWaitingOnIt) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("waiting.theme"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = dir.filePath(QStringLiteral("endless.theme"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    for (const QString& path : {fifo, zero}) {
        try {
            TsuiThemeFileReader reader(path);
            FAIL() << "read " << path.toStdString();
        } catch (const EFileError& error) {
            EXPECT_EQ(error.Message(),
                      QStringLiteral("Sorry, \"%1\" is no theme file: it is not an ordinary file.")
                          .arg(path));
        }
    }
}

} // namespace

// The writer lays its files out one way: the header, every record, the terminator, the data,
// with the project's signature and format version in the bytes the reader leaves alone.
TEST(SUIThemeFileTest, WrittenFilesCarryTheSignatureAndReadBackEntryForEntry) {
    const QByteArray bytes = TsuiThemeFileWriter()
                                 .AddInt("FormMinWidthInt", -7)
                                 .AddBool("ButtonTransparentBool", 1)
                                 .AddText("Name", "Jade")
                                 .AddImage("ButtonImage", "BM-picture")
                                 .Bytes();
    EXPECT_EQ(bytes.left(12), "duanxin-skin");
    EXPECT_EQ(bytes.size(), 24 + 5 * 77 + 4 + 1 + 4 + 10);
    const TsuiThemeFileReader reader = Read(bytes);
    EXPECT_EQ(reader.OwnFormatVersion(), 1u);
    EXPECT_EQ(reader.GetInt("FormMinWidthInt"), -7);
    EXPECT_TRUE(reader.GetBool("ButtonTransparentBool"));
    ASSERT_EQ(reader.Texts().size(), 1u);
    EXPECT_EQ(reader.Bytes(reader.Texts()[0]), "Jade");
    EXPECT_EQ(reader.GetImage("ButtonImage"), QByteArray("BM-picture"));

    QByteArray foreign = bytes;
    foreign.replace(0, 12, QByteArray(12, 'x'));
    EXPECT_EQ(Read(foreign).OwnFormatVersion(), std::nullopt);
    EXPECT_EQ(Read(foreign).GetInt("FormMinWidthInt"), -7);
}
