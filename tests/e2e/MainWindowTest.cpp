// The real program on a private X server: its window, its library file in the runtime folder,
// its status line, a second copy beside the first, and the ways it is told to close.
#include "ProgramUnderTest.h"
#include "X11Desktop.h"
#include "XvfbSession.h"

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

#ifndef DUANXIN_E2E_ARTIFACTS
#error "DUANXIN_E2E_ARTIFACTS must name the folder for pictures and logs of failed tests"
#endif

namespace {

const QString kTitle = QStringLiteral("短信查询 V1.0");
const QString kFullListing = QStringLiteral("共26753条短信记录");

// Window coordinates: the skinned frame sits at (1, 0) inside the window.
const QRect kWindowGeometry(405, 172, 500, 453);
const QPoint kStatusLine(1 + 6 + 489 / 2, 0 + 424 + 19 / 2);
const QPoint kQuitButton(1 + 408 + 80 / 2, 0 + 389 + 27 / 2);

constexpr int kWindowTimeoutMs = 20000;
constexpr int kExitTimeoutMs = 10000;

} // namespace

// Readable values in failure messages; found by argument-dependent lookup.
[[maybe_unused]] static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
[[maybe_unused]] static void PrintTo(const QRect& r, std::ostream* os) {
    *os << '(' << r.x() << ", " << r.y() << ") " << r.width() << " x " << r.height();
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(work_.isValid()) << work_.errorString().toStdString();
        runtime_ = work_.filePath(QStringLiteral("runtime"));
        ASSERT_TRUE(QDir().mkdir(runtime_));
        ASSERT_TRUE(QFile::setPermissions(
            runtime_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        ASSERT_TRUE(xvfb_.start(work_.filePath(QStringLiteral("xvfb.log"))))
            << xvfb_.error().toStdString();
        desktop_ = std::make_unique<X11Desktop>(xvfb_.display());
    }

    void TearDown() override {
        if (HasFailure() && desktop_)
            keepEvidence();
        programs_.clear();
        xvfb_.stop();
    }

    // Starts a copy of the program with this test's runtime folder and waits for its window.
    void launch(ProgramUnderTest*& program, QString& window) {
        const QString log =
            work_.filePath(QStringLiteral("program-%1.log").arg(programs_.size() + 1));
        programs_.push_back(std::make_unique<ProgramUnderTest>(xvfb_.display(), runtime_, log));
        program = programs_.back().get();
        ASSERT_TRUE(program->start()) << program->error().toStdString();
        std::optional<QString> found;
        QDeadlineTimer deadline(kWindowTimeoutMs);
        while (!found && program->running() && !deadline.hasExpired()) {
            found = desktop_->findWindow(program->pid(), kTitle);
            if (!found)
                QThread::msleep(100);
        }
        ASSERT_TRUE(found) << "no window \"" << kTitle.toStdString() << "\" appeared; program "
                           << program->exitDescription().toStdString();
        window = *found;
    }

    // Copies the status line's whole text the way a user would: click into it, select all,
    // copy. Nothing when the clipboard stays empty.
    std::optional<QString> copyStatusLine(const QString& window) {
        if (!desktop_->focus(window)) {
            ADD_FAILURE() << "could not give the window " << window.toStdString() << " the focus";
            return std::nullopt;
        }
        if (!desktop_->click(window, kStatusLine)) {
            ADD_FAILURE() << "could not click into the status line";
            return std::nullopt;
        }
        if (!desktop_->keys({QStringLiteral("ctrl+a"), QStringLiteral("ctrl+c")})) {
            ADD_FAILURE() << "could not press ctrl+a, ctrl+c";
            return std::nullopt;
        }
        QDeadlineTimer deadline(3000);
        for (;;) {
            if (auto text = desktop_->clipboardText(); text && !text->isEmpty())
                return text;
            if (deadline.hasExpired())
                return std::nullopt;
            QThread::msleep(100);
        }
    }

    void closeWithSignal(ProgramUnderTest& program, int signal) {
        ASSERT_TRUE(program.sendSignal(signal));
        ASSERT_TRUE(program.waitForExit(kExitTimeoutMs))
            << "the program did not end within " << kExitTimeoutMs << " ms";
    }

    bool libraryFileExists() const {
        return QFile::exists(runtime_ + QStringLiteral("/duanxin/_.dll"));
    }

    QTemporaryDir work_;
    QString runtime_;
    XvfbSession xvfb_;
    std::unique_ptr<X11Desktop> desktop_;
    std::vector<std::unique_ptr<ProgramUnderTest>> programs_;

private:
    // Keeps a picture of the screen and the programs' output of a failed test.
    void keepEvidence() {
        const QString dir = QStringLiteral(DUANXIN_E2E_ARTIFACTS);
        QDir().mkpath(dir);
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        QString name =
            QString::fromStdString(std::string(info->test_suite_name()) + "." + info->name());
        name.replace(QLatin1Char('/'), QLatin1Char('_'));
        const QString picture = dir + QLatin1Char('/') + name + QStringLiteral(".png");
        if (desktop_->screenshot(picture))
            std::cout << "screen at the failure: " << picture.toStdString() << '\n';
        for (std::size_t i = 0; i < programs_.size(); ++i)
            std::cout << "output of copy " << i + 1 << " ("
                      << programs_[i]->exitDescription().toStdString() << "):\n"
                      << programs_[i]->log().toStdString() << '\n';
    }
};

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
    // opened, so it goes on working.
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
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalCloseTest, testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const testing::TestParamInfo<int>& info) {
                             switch (info.param) {
                             case SIGTERM:
                                 return std::string("SIGTERM");
                             case SIGINT:
                                 return std::string("SIGINT");
                             default:
                                 return std::string("SIGHUP");
                             }
                         });
