// The real program on a private X server: its window, its library file in the runtime folder,
// its status line, a second copy beside the first, and the ways it is told to close.
#include "MainWindowFixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

class MainWindowTest : public MainWindowFixture {};

TEST_F(MainWindowTest, WindowOpensAtItsPlaceWithItsClientSize) {
    ProgramUnderTest* program = nullptr;
    QString window;
    ASSERT_NO_FATAL_FAILURE(launch(program, window));

    EXPECT_EQ(desktop_->geometry(window), std::optional<QRect>(kWindowGeometry));

    // The window is painted: its area of the screen is not one flat colour.
    const QString picture = work_.filePath(QStringLiteral("screen.png"));
    bool painted = false;
    QDeadlineTimer deadline(5000);
    while (!painted && !deadline.hasExpired()) {
        ASSERT_TRUE(desktop_->screenshot(picture));
        const QImage screen(picture);
        ASSERT_FALSE(screen.isNull());
        const QImage area = screen.copy(kWindowGeometry);
        const QRgb first = area.pixel(0, 0);
        for (int y = 0; y < area.height() && !painted; ++y)
            for (int x = 0; x < area.width() && !painted; ++x)
                painted = area.pixel(x, y) != first;
        if (!painted)
            QThread::msleep(200);
    }
    EXPECT_TRUE(painted) << "the window's area of the screen is one flat colour";
}

TEST_F(MainWindowTest, LibraryFileLivesInTheRuntimeFolderUntilQuitIsClicked) {
    ProgramUnderTest* program = nullptr;
    QString window;
    ASSERT_NO_FATAL_FAILURE(launch(program, window));

    // The program's own folder: a real folder of this user, closed to everyone else.
    struct stat folder {};
    ASSERT_EQ(lstat(QFile::encodeName(program->programFolder()).constData(), &folder), 0)
        << program->programFolder().toStdString();
    EXPECT_TRUE(S_ISDIR(folder.st_mode));
    EXPECT_EQ(folder.st_mode & 07777, 0700u);
    EXPECT_EQ(folder.st_uid, getuid());
    EXPECT_TRUE(QFileInfo(program->libraryFile()).isFile());

    ASSERT_TRUE(desktop_->click(window, kQuitButton));
    ASSERT_TRUE(program->waitForExit(kExitTimeoutMs))
        << "the program did not end within " << kExitTimeoutMs << " ms of clicking 退出";
    EXPECT_TRUE(program->exitedCleanly()) << program->exitDescription().toStdString();
    EXPECT_FALSE(QFile::exists(program->libraryFile()));
    EXPECT_FALSE(QFileInfo::exists(program->programFolder())) << "an empty folder was left";
}

TEST_F(MainWindowTest, StatusLineCountsTheWholeLibrary) {
    ProgramUnderTest* program = nullptr;
    QString window;
    ASSERT_NO_FATAL_FAILURE(launch(program, window));

    EXPECT_EQ(copyStatusLine(window), std::optional<QString>(kFullListing));
}

TEST_F(MainWindowTest, SecondCopyRunsBesideTheFirstAndClosingItLeavesTheFirstWorking) {
    ProgramUnderTest* first = nullptr;
    ProgramUnderTest* second = nullptr;
    QString firstWindow, secondWindow;
    ASSERT_NO_FATAL_FAILURE(launch(first, firstWindow));
    ASSERT_NO_FATAL_FAILURE(launch(second, secondWindow));
    ASSERT_NE(firstWindow, secondWindow);

    // The second window opens at the same place, on top of the first.
    EXPECT_EQ(copyStatusLine(secondWindow), std::optional<QString>(kFullListing));

    ASSERT_NO_FATAL_FAILURE(closeWithSignal(*second, SIGTERM));
    EXPECT_TRUE(second->exitedCleanly()) << second->exitDescription().toStdString();
    ASSERT_TRUE(first->running());
    // The second copy's close deletes the file by name; the first keeps reading the library it
    // opened, so it goes on working: a search and a refresh both still read it.
    ASSERT_TRUE(desktop_->click(firstWindow, kSpringFestivalLabel));
    const auto searched = copyStatusLine(firstWindow);
    ASSERT_TRUE(searched);
    EXPECT_TRUE(searched->startsWith(QStringLiteral("关于春节的短信,共搜索到")))
        << searched->toStdString();
    ASSERT_TRUE(desktop_->click(firstWindow, kRefreshButton));
    EXPECT_EQ(copyStatusLine(firstWindow), std::optional<QString>(kFullListing));

    ASSERT_NO_FATAL_FAILURE(closeWithSignal(*first, SIGTERM));
    EXPECT_TRUE(first->exitedCleanly()) << first->exitDescription().toStdString();
    EXPECT_FALSE(libraryFileExists());
}

class SignalCloseTest : public MainWindowTest, public testing::WithParamInterface<int> {};

TEST_P(SignalCloseTest, ClosesTheWindowNormally) {
    ProgramUnderTest* program = nullptr;
    QString window;
    ASSERT_NO_FATAL_FAILURE(launch(program, window));
    ASSERT_TRUE(libraryFileExists());

    ASSERT_NO_FATAL_FAILURE(closeWithSignal(*program, GetParam()));
    EXPECT_TRUE(program->exitedCleanly()) << program->exitDescription().toStdString();
    EXPECT_FALSE(libraryFileExists());
    EXPECT_FALSE(QFileInfo::exists(program->programFolder())) << "an empty folder was left";
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalCloseTest, testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const testing::TestParamInfo<int>& paramInfo) {
                             switch (paramInfo.param) {
                             case SIGTERM:
                                 return std::string("SIGTERM");
                             case SIGINT:
                                 return std::string("SIGINT");
                             default:
                                 return std::string("SIGHUP");
                             }
                         });
