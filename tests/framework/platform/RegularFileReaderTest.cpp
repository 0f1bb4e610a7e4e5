#include "framework/platform/RegularFileReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Outcome = RegularFileReader::Outcome;
constexpr qint64 kLimit = 1024;

class RegularFileReaderTest : public testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    Outcome Read(const QString& path) { return RegularFileReader::Read(path, kLimit, bytes); }

    QTemporaryDir dir;
    QByteArray bytes = "untouched";
};

} // namespace

TEST_F(RegularFileReaderTest, AnOrdinaryFileUpToTheLimitIsReadWhole) {
    QFile file(Path("theme"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(kLimit, 'x'));
    file.close();
    EXPECT_EQ(Read(file.fileName()), Outcome::Read);
    EXPECT_EQ(bytes, QByteArray(kLimit, 'x'));
    ASSERT_TRUE(QFile::link(file.fileName(), Path("link")));
    EXPECT_EQ(Read(Path("link")), Outcome::Read); // a link to an ordinary file is one
}

TEST_F(RegularFileReaderTest, LargerFilesAreRefusedUnread) {
    QFile file(Path("large"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(kLimit + 1)); // sparse: only its size says it is too large
    file.close();
    EXPECT_EQ(Read(file.fileName()), Outcome::TooLarge);
    EXPECT_EQ(bytes, "untouched");
}

// None of these may block or read without end; the test finishing is half the check.
TEST_F(RegularFileReaderTest, PipesDevicesAndFoldersAreNoFiles) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("fifo")).constData(), 0600), 0);
    EXPECT_EQ(Read(Path("fifo")), Outcome::NotAFile);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), Path("zero")));
    EXPECT_EQ(Read(Path("zero")), Outcome::NotAFile);
    EXPECT_EQ(Read(QStringLiteral("/dev/zero")), Outcome::NotAFile);
    EXPECT_EQ(Read(dir.path()), Outcome::NotAFile);
    EXPECT_EQ(Read(Path("missing")), Outcome::CannotOpen);
    EXPECT_EQ(bytes, "untouched");
}
