// The program's files taken from under it while it runs, and a disk too small for its library:
// each time the window keeps working, tells the user what failed, and closes cleanly.
#include "LibraryRows.h"
#include "MainWindowFixture.h"

#include <QFileInfo>
#include <csignal>
#include <unistd.h>

namespace {

const QString kSpringFestival = QStringLiteral("春节");

int RowsHolding(const QString& word) {
    int count = 0;
    for (const QString& row : LibraryRows())
        count += row.contains(word);
    return count;
}

bool Succeeds(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// A folder mounted over while the object lives; unmounted (lazily: the program may still hold
// a file there) when it goes. Mounting needs root, which CI has.
class Mount {
public:
    // A small tmpfs of `size` (as mount(8) takes it) at the folder.
    static std::unique_ptr<Mount> Tmpfs(const QString& folder, const QString& size) {
        return Made(folder, {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                             QStringLiteral("size=") + size, QStringLiteral("tmpfs"), folder});
    }
    // The folder itself, read-only: nothing in it can be made, changed or removed.
    static std::unique_ptr<Mount> ReadOnly(const QString& folder) {
        auto mount = Made(folder, {QStringLiteral("--bind"), folder, folder});
        if (mount && !Succeeds(QStringLiteral("mount"),
                               {QStringLiteral("-o"), QStringLiteral("remount,ro,bind"), folder}))
            mount.reset();
        return mount;
    }
    ~Mount() { Succeeds(QStringLiteral("umount"), {QStringLiteral("-l"), folder_}); }
    Mount(const Mount&) = delete;
    Mount& operator=(const Mount&) = delete;

private:
    explicit Mount(QString folder) : folder_(std::move(folder)) {}
    static std::unique_ptr<Mount> Made(const QString& folder, const QStringList& args) {
        if (geteuid() != 0 || !Succeeds(QStringLiteral("mount"), args))
            return nullptr;
        return std::unique_ptr<Mount>(new Mount(folder));
    }
    QString folder_;
};

} // namespace

class FaultsTest : public MainWindowFixture {
protected:
    QString programFolder() const { return runtime_ + QStringLiteral("/duanxin"); }

    // The 春节 shortcut, then the status line as the user copies it.
    std::optional<QString> searchSpringFestival(const QString& window) {
        if (!desktop_->click(window, kSpringFestivalLabel))
            return std::nullopt;
        return copyStatusLine(window);
    }
    QString springFestivalCount() const {
        return StatusTexts::Search(kSpringFestival, RowsHolding(kSpringFestival));
    }
    void quit(ProgramUnderTest& program, const QString& window) {
        ASSERT_TRUE(desktop_->click(window, kQuitButton));
        ASSERT_TRUE(program.waitForExit(kExitTimeoutMs)) << "退出 did not end the program";
        EXPECT_TRUE(program.exitedCleanly()) << program.exitDescription().toStdString();
    }
};

TEST_F(FaultsTest, TheFolderRemovedWhileRunningStillServesTheOpenLibrary) {
    ProgramUnderTest* program = nullptr;
    QString window;
    ASSERT_NO_FATAL_FAILURE(launch(program, window));
    ASSERT_TRUE(QDir(programFolder()).removeRecursively());
    // Linux keeps the open library readable until the program lets go of it.
    EXPECT_EQ(searchSpringFestival(window), springFestivalCount());
    ASSERT_NO_FATAL_FAILURE(quit(*program, window));
    EXPECT_FALSE(QFileInfo::exists(programFolder())) << "the folder came back";
}

TEST_F(FaultsTest, AReadOnlyFolderKeepsTheLibraryWhichTheNextStartReplaces) {
    ProgramUnderTest* program = nullptr;
    QString window;
    ASSERT_NO_FATAL_FAILURE(launch(program, window));
    {
        const auto readOnly = Mount::ReadOnly(programFolder());
        if (!readOnly)
            GTEST_SKIP() << "mounting is not allowed here";
        EXPECT_EQ(searchSpringFestival(window), springFestivalCount());
        ASSERT_NO_FATAL_FAILURE(quit(*program, window));
        EXPECT_TRUE(libraryFileExists()) << "a read-only folder lost a file";
    }
    ProgramUnderTest* next = nullptr;
    ASSERT_NO_FATAL_FAILURE(launch(next, window));
    EXPECT_EQ(copyStatusLine(window), kFullListing);
    ASSERT_NO_FATAL_FAILURE(quit(*next, window));
    EXPECT_FALSE(QFileInfo::exists(programFolder()));
}

TEST_F(FaultsTest, ALibraryCutShortWhileOpenGivesTheDataErrorAndTheWindowGoesOn) {
    ProgramUnderTest* program = nullptr;
    QString window;
    ASSERT_NO_FATAL_FAILURE(launch(program, window));
    ASSERT_TRUE(QFile::resize(program->libraryFile(), 4096));
    ASSERT_TRUE(desktop_->click(window, kSpringFestivalLabel));
    ASSERT_TRUE(dismissBox(*program)) << "no error box for the damaged library";
    // The failed search left the count of the full listing; the window still answers.
    EXPECT_EQ(copyStatusLine(window), kFullListing);
    ASSERT_TRUE(desktop_->click(window, kRefreshButton));
    ASSERT_TRUE(dismissBox(*program)) << "no error box for listing the damaged library";
    ASSERT_NO_FATAL_FAILURE(quit(*program, window));
    EXPECT_FALSE(QFileInfo::exists(programFolder()));
}

TEST_F(FaultsTest, ADiskTooSmallForTheLibraryGivesTheStartMessageAndLeavesNothing) {
    const auto small = Mount::Tmpfs(runtime_, QStringLiteral("1m"));
    if (!small)
        GTEST_SKIP() << "mounting is not allowed here";
    ProgramUnderTest* program = nullptr;
    start(program);
    ASSERT_TRUE(program);
    ASSERT_TRUE(dismissBox(*program)) << "no start-up message; " << program->log().toStdString();
    const std::optional<QString> window = waitForWindow(*program, kTitle, kWindowTimeoutMs);
    ASSERT_TRUE(window) << "no window after the start-up message";
    EXPECT_EQ(copyStatusLine(*window), std::nullopt) << "a degraded window counted rows";
    ASSERT_NO_FATAL_FAILURE(quit(*program, *window));
    EXPECT_EQ(QDir(runtime_).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList());
}

TEST_F(FaultsTest, AKilledCopyLeavesItsLibraryWhichTheNextStartReplaces) {
    ProgramUnderTest* killed = nullptr;
    QString window;
    ASSERT_NO_FATAL_FAILURE(launch(killed, window));
    ASSERT_TRUE(killed->sendSignal(SIGKILL));
    ASSERT_TRUE(killed->waitForExit(kExitTimeoutMs));
    ASSERT_TRUE(libraryFileExists()) << "nothing was left to replace";
    ASSERT_TRUE(QFile::resize(killed->libraryFile(), 4096)); // as if killed while writing it
    ProgramUnderTest* next = nullptr;
    ASSERT_NO_FATAL_FAILURE(launch(next, window));
    EXPECT_EQ(copyStatusLine(window), kFullListing);
    ASSERT_NO_FATAL_FAILURE(quit(*next, window));
    EXPECT_FALSE(QFileInfo::exists(programFolder()));
}
