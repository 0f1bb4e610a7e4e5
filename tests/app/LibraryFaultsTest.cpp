// The library file and its folder taken away, cut short or swapped while the program runs, and
// the disk full while the library is written: the user gets a message or the old rows, the
// window keeps working, and closing leaves nothing behind.
#include "AppFixture.h"

#include "app/StatusTexts.h"
#include "app/Unit1.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

namespace {
QStringList ManyRows(const QString& word, int count) {
    QStringList rows;
    for (int i = 0; i < count; ++i)
        rows << QStringLiteral("%1快乐，第%2条祝福送给你").arg(word).arg(i);
    return rows;
}

// Files larger than `bytes` cannot be written while it lives, as on a full disk: a write past
// the limit fails (EFBIG) instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : oldHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int);
};

class LibraryFaultsTest : public AppFixture {
protected:
    TForm1* Start(const QStringList& rows) {
        RegisterLibrary(rows);
        TForm1* form = nullptr;
        application->CreateForm(form);
        return form;
    }
    // Through the button's window, so a failure takes the path of a real click: the default
    // error report.
    void Press(TsuiButton* button) {
        QTest::mouseClick(button->Handle(), Qt::LeftButton, {}, QPoint(10, 10));
    }
    void Search(TForm1* form, const QString& keyword) {
        form->searchkeyword->SetText(keyword);
        Press(form->Button4);
    }
    QStringList FolderEntries() const {
        return QDir(RuntimePath())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }
};
} // namespace

TEST_F(LibraryFaultsTest, ADiskFullAtStartGivesTheSingleMessageAndLeavesNothingBehind) {
    const QStringList rows = ManyRows(QStringLiteral("春节"), 400);
    RegisterLibrary(rows);
    TForm1* form = nullptr;
    {
        const FileSizeLimit diskFull(2048);
        application->CreateForm(form);
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, StatusTexts::kStartFailed);
    EXPECT_FALSE(form->ADOQuery1->Active());
    EXPECT_TRUE(form->TJ->Text().isEmpty());
    EXPECT_EQ(FolderEntries(), QStringList()) << "a partly written library was left behind";

    // The degraded window still answers: a search reports the data error and no more.
    Search(form, QStringLiteral("春节"));
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].kind, TMessageBoxKind::Error);
    form->Close();
    EXPECT_FALSE(QFileInfo::exists(RuntimePath()));
}

TEST_F(LibraryFaultsTest, TheFolderOrTheFileRemovedWhileOpenStillServesTheOpenLibrary) {
    struct Case {
        const char* what;
        std::function<void(LibraryFaultsTest&)> remove;
    };
    const std::vector<Case> cases{
        {"runtime folder removed", [](auto& t) { QDir(t.RuntimePath()).removeRecursively(); }},
        {"library file deleted", [](auto& t) { QFile::remove(t.LibraryPath()); }},
    };
    const QStringList rows =
        ManyRows(QStringLiteral("春节"), 30) + ManyRows(QStringLiteral("元旦"), 20);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        boxes.clear();
        TForm1* form = Start(rows);
        c.remove(*this);
        // Linux keeps an open file readable until its last user lets go.
        Search(form, QStringLiteral("元旦"));
        EXPECT_EQ(form->TJ->Text(), StatusTexts::Search(QStringLiteral("元旦"), 20));
        Press(form->Button1);
        EXPECT_EQ(form->TJ->Text(), StatusTexts::Total(50));
        EXPECT_TRUE(boxes.empty()) << boxes.front().text.toStdString();
        form->Close();
        EXPECT_FALSE(QFileInfo::exists(RuntimePath())) << "the folder came back";
    }
}

TEST_F(LibraryFaultsTest, ALibraryReplacedWhileOpenKeepsServingTheRowsItOpened) {
    TForm1* form = Start(ManyRows(QStringLiteral("春节"), 12));
    const QString other = RuntimePath() + QStringLiteral("/other");
    QFile replacement(other);
    ASSERT_TRUE(replacement.open(QIODevice::WriteOnly));
    replacement.write(QByteArray(8192, 'x'));
    replacement.close();
    ASSERT_TRUE(QFile::remove(LibraryPath()));
    ASSERT_TRUE(QFile::rename(other, LibraryPath()));
    // The connection holds the file it opened; the new one under that name is not read.
    Search(form, QStringLiteral("春节"));
    EXPECT_EQ(form->TJ->Text(), StatusTexts::Search(QStringLiteral("春节"), 12));
    EXPECT_TRUE(boxes.empty());
    form->Close();
    EXPECT_FALSE(QFileInfo::exists(RuntimePath()));
}

TEST_F(LibraryFaultsTest, ALibraryCutShortWhileOpenGivesTheDataErrorAndTheWindowGoesOn) {
    for (const qint64 keep : {qint64(0), qint64(4096), qint64(6000)}) {
        SCOPED_TRACE(keep);
        TearDown();
        SetUp();
        boxes.clear();
        TForm1* form = Start(ManyRows(QStringLiteral("春节"), 400));
        const qint64 size = QFileInfo(LibraryPath()).size();
        ASSERT_GT(size, keep);
        ASSERT_TRUE(QFile::resize(LibraryPath(), keep));
        Search(form, QStringLiteral("春节"));
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].kind, TMessageBoxKind::Error);
        // The data layer's own words: "no such table: data" for an empty file, "database disk
        // image is malformed" for a part of one.
        EXPECT_FALSE(boxes[0].text.isEmpty());
        EXPECT_FALSE(form->ADOQuery1->Active());
        // Listing everything again fails the same way, once, and the copy button still answers.
        Press(form->Button1);
        EXPECT_EQ(boxes.size(), 2u);
        Press(form->suiButton_Copy);
        ASSERT_EQ(boxes.size(), 3u);
        EXPECT_EQ(boxes[2].text, StatusTexts::kNothingToCopy);
        form->Close();
        EXPECT_FALSE(QFileInfo::exists(RuntimePath()));
    }
}
