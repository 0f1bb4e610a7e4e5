// Browsing the shipped library as a person would: a festival shortcut, a row shown and copied,
// the wheel, and a link to the maker's pages opened in a stand-in browser.
#include "LibraryRows.h"
#include "MainWindowFixture.h"
#include "StandInBrowser.h"

#include "app/library/CleanMessageText.h"

namespace {

// Window coordinates of the controls (the frame sits at (1, 0) in the window).
const QPoint kMoreLabel(1 + 432 + 20, 0 + 72 + 6);
const QPoint kKeywordBox(1 + 78 + 235 / 2, 0 + 41 + 21 / 2);
// Below the title row, inside the first data row.
const QPoint kFirstRow(1 + 5 + 100, 0 + 174 + 30);

// What the library holds, read straight from the generated file, not through the program.
struct LibraryFacts {
    int springFestivalRows = 0;
    QString firstSpringFestivalRow;
    QString secondSpringFestivalRow;
    int rowsWithTypedKeyword = 0; // rows holding kTypedKeyword literally
};

// A keyword with a quote mark, blanks and punctuation, as a person types it.
const QString kTypedKeyword = QStringLiteral("it's 50% (ok).");

LibraryFacts ReadFacts() {
    LibraryFacts facts;
    for (const QString& row : LibraryRows()) {
        if (row.contains(kTypedKeyword.left(7)) && row.contains(kTypedKeyword.mid(8)))
            ++facts.rowsWithTypedKeyword; // "%" stands for any text
        if (!row.contains(QStringLiteral("春节")))
            continue;
        if (facts.springFestivalRows == 1)
            facts.secondSpringFestivalRow = row;
        if (facts.springFestivalRows++ == 0)
            facts.firstSpringFestivalRow = row;
    }
    return facts;
}

} // namespace

class BrowsingTest : public MainWindowFixture {
protected:
    // A browser that only writes down the addresses it is given.
    QString InstallStandInBrowser() {
        const StandInBrowser browser = ::InstallStandInBrowser(work_.path());
        EXPECT_FALSE(browser.bin.isEmpty()) << "cannot write the stand-in browser";
        pathPrefix_ = browser.bin;
        return browser.record;
    }
};

TEST_F(BrowsingTest, ShortcutRowCopyWheelAndMakerPage) {
    const LibraryFacts facts = ReadFacts();
    ASSERT_GT(facts.springFestivalRows, 0) << "cannot read " << DUANXIN_LIBRARY_FILE;
    const QString opened = InstallStandInBrowser();
    ProgramUnderTest* program = nullptr;
    QString window;
    ASSERT_NO_FATAL_FAILURE(launch(program, window));

    ASSERT_TRUE(desktop_->click(window, kSpringFestivalLabel));
    const QString searched =
        QStringLiteral("关于春节的短信,共搜索到%1条短信记录").arg(facts.springFestivalRows);
    EXPECT_EQ(copyStatusLine(window), std::optional<QString>(searched));

    ASSERT_TRUE(desktop_->click(window, kFirstRow));
    ASSERT_TRUE(desktop_->click(window, kCopyButton));
    const QString message = CleanMessageText(facts.firstSpringFestivalRow);
    EXPECT_EQ(waitForClipboard(message), std::optional<QString>(message));

    // One notch down moves to the next row, which empties the view: copying is refused.
    ASSERT_TRUE(desktop_->click(window, kFirstRow, 5));
    ASSERT_TRUE(desktop_->click(window, kCopyButton));
    ASSERT_TRUE(dismissBox(*program)) << "no refusal box appeared";
    EXPECT_EQ(desktop_->clipboardText(), std::optional<QString>(message));

    ASSERT_TRUE(desktop_->click(window, kMoreLabel));
    QString address;
    QDeadlineTimer browserDeadline(5000);
    while (address.isEmpty() && !browserDeadline.hasExpired()) {
        address = OpenedAddresses(opened).join(QLatin1Char('\n')).trimmed();
        if (address.isEmpty())
            QThread::msleep(100);
    }
    EXPECT_EQ(address, QStringLiteral("http://www.velmora.example/duanxin/?qq=Zentrova"));
}

TEST_F(BrowsingTest, KeywordWithPunctuationAndTheWholeJobByKeyboard) {
    const LibraryFacts facts = ReadFacts();
    ASSERT_GT(facts.springFestivalRows, 1) << "cannot read " << DUANXIN_LIBRARY_FILE;
    ProgramUnderTest* program = nullptr;
    QString window;
    ASSERT_NO_FATAL_FAILURE(launch(program, window));
    ASSERT_TRUE(desktop_->focus(window));

    // Every character of the keyword reaches the search, the quote mark included.
    ASSERT_TRUE(desktop_->click(window, kKeywordBox));
    ASSERT_TRUE(desktop_->typeText(kTypedKeyword));
    ASSERT_TRUE(desktop_->keys({QStringLiteral("Tab"), QStringLiteral("space")}));
    if (facts.rowsWithTypedKeyword == 0) {
        ASSERT_TRUE(dismissBox(*program)) << "no box for a keyword without hits";
    }
    const QString searched = QStringLiteral("关于%1的短信,共搜索到%2条短信记录")
                                 .arg(kTypedKeyword)
                                 .arg(facts.rowsWithTypedKeyword);
    EXPECT_EQ(copyStatusLine(window), std::optional<QString>(searched));

    // A new search with the keyboard alone: Tab to 搜索, Space, Tab past 刷新 into the grid,
    // Down to the second hit, Ctrl+C.
    ASSERT_TRUE(desktop_->click(window, kKeywordBox));
    ASSERT_TRUE(desktop_->keys({QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")}));
    ASSERT_TRUE(desktop_->typeText(QStringLiteral("春节")));
    ASSERT_TRUE(
        desktop_->keys({QStringLiteral("Tab"), QStringLiteral("space"), QStringLiteral("Tab"),
                        QStringLiteral("Tab"), QStringLiteral("Down"), QStringLiteral("ctrl+c")}));
    const QString second = CleanMessageText(facts.secondSpringFestivalRow);
    EXPECT_EQ(waitForClipboard(second), std::optional<QString>(second));

    // Ctrl+Tab leaves the grid for the status line.
    ASSERT_TRUE(desktop_->keys(
        {QStringLiteral("ctrl+Tab"), QStringLiteral("ctrl+a"), QStringLiteral("ctrl+c")}));
    const QString status =
        QStringLiteral("关于春节的短信,共搜索到%1条短信记录").arg(facts.springFestivalRows);
    EXPECT_EQ(waitForClipboard(status), std::optional<QString>(status));
}
