#include "AppFixture.h"

#include "app/Unit1.h"
#include "app/library/SourceNotes.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace {
const QString kShort = QString::fromStdString(duanxin::ShortSourceNote());

const QStringList kRows{
    QStringLiteral("春节快乐，祝|〓|万事如意！") + kShort,
    QStringLiteral("元旦快乐"),
    QStringLiteral("春节到了，100%的祝福送给你"),
    QStringLiteral("It's a sunny day"),
    QString(),
    QStringLiteral("母亲节快乐  妈妈辛苦了"),
};

class SearchTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        RegisterLibrary(kRows);
        application->CreateForm(form);
        ASSERT_TRUE(boxes.empty());
    }
    void Search(const QString& keyword) {
        form->searchkeyword->SetText(keyword);
        form->suitempButton4Click(form->Button4);
    }
    int Rows() const { return form->ADOQuery1->RecordCount(); }
    QString Status() const { return form->TJ->Text(); }

    TForm1* form = nullptr;
};
} // namespace

TEST_F(SearchTest, HitsListExactlyTheMatchingRowsWithTheirCount) {
    Search(QStringLiteral("春节"));
    EXPECT_EQ(Rows(), 2);
    EXPECT_EQ(Status(), QStringLiteral("关于春节的短信,共搜索到2条短信记录"));
    EXPECT_EQ(form->ADOQuery1->FieldCount(), 1);
    EXPECT_EQ(form->ADOQuery1->Fields(0)->AsString(), kRows[0]);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(form->searchkeyword->Text(), QStringLiteral("春节"));
}

TEST_F(SearchTest, NoHitsShowTheBoxOverAnEmptyListThenListEverything) {
    bool emptyWhileShown = false;
    QString statusWhileShown;
    application->SetMessageBoxPresenter([&](TMessageBoxKind, const QString&, const QString& text) {
        boxes.push_back({TMessageBoxKind::Information, {}, text});
        emptyWhileShown = form->ADOQuery1->Active() && form->ADOQuery1->RecordCount() == 0;
        statusWhileShown = form->TJ->Text();
    });
    Search(QStringLiteral("重阳"));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("对不起没有找到相关信息！请重新输入关键词"));
    EXPECT_TRUE(emptyWhileShown);
    EXPECT_EQ(statusWhileShown, QStringLiteral("关于重阳的短信,共搜索到0条短信记录"));
    EXPECT_EQ(Rows(), kRows.size());
    EXPECT_EQ(Status(), QStringLiteral("关于重阳的短信,共搜索到0条短信记录"));
    EXPECT_EQ(form->searchkeyword->Text(), QStringLiteral("重阳"));
}

TEST_F(SearchTest, AnEmptyKeywordIsRefusedAndChangesNothing) {
    Search(QStringLiteral("元旦"));
    form->TJ->SetText(QStringLiteral("typed by the user"));
    Search(QString());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("请输入搜索关键词！"));
    EXPECT_EQ(Rows(), 1);
    EXPECT_EQ(Status(), QStringLiteral("typed by the user"));
}

TEST_F(SearchTest, BlanksWildcardsAndQuoteMarksAreSearchedAsTyped) {
    Search(QStringLiteral("  "));
    EXPECT_EQ(Rows(), 1); // the row with two blanks
    EXPECT_EQ(Status(), QStringLiteral("关于  的短信,共搜索到1条短信记录"));
    Search(QStringLiteral("春_到"));
    EXPECT_EQ(Rows(), 1);
    Search(QStringLiteral("%"));
    EXPECT_EQ(Rows(), 5); // every non-null row
    Search(QStringLiteral("It's"));
    EXPECT_EQ(Rows(), 1);
    EXPECT_EQ(Status(), QStringLiteral("关于It's的短信,共搜索到1条短信记录"));
    Search(QStringLiteral("'"));
    EXPECT_EQ(Rows(), 1);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(SearchTest, RefreshListsEverythingAndKeepsTheKeyword) {
    Search(QStringLiteral("春节"));
    form->suitempButton1Click(form->Button1);
    EXPECT_EQ(Rows(), kRows.size());
    EXPECT_EQ(Status(), QStringLiteral("共6条短信记录"));
    EXPECT_EQ(form->searchkeyword->Text(), QStringLiteral("春节"));
}

TEST_F(SearchTest, FestivalLabelsFillTheBoxAndPressSearch) {
    const std::vector<std::pair<TLabel*, QString>> labels{
        {form->Label1, QStringLiteral("春节")}, {form->Label3, QStringLiteral("元旦")},
        {form->Label4, QStringLiteral("圣诞")}, {form->Label5, QStringLiteral("愚人")},
        {form->Label6, QStringLiteral("母亲")}, {form->Label7, QStringLiteral("父亲")},
    };
    for (const auto& [label, word] : labels) {
        SCOPED_TRACE(word.toStdString());
        form->searchkeyword->SetText(QStringLiteral("old"));
        boxes.clear();
        label->Click();
        EXPECT_EQ(form->searchkeyword->Text(), word);
        EXPECT_TRUE(Status().startsWith(QStringLiteral("关于") + word + QStringLiteral("的短信")));
    }
    // 圣诞 has no hits, so its box comes up.
    boxes.clear();
    form->Label4->Click();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("对不起没有找到相关信息！请重新输入关键词"));
}

TEST_F(SearchTest, AFailedListingLeavesTheQueryClosedAndTheStatusAsItWas) {
    const QString before = Status();
    form->ADOConnection1->Close();
    QFile::remove(LibraryPath()); // the provider can no longer open the library
    form->searchkeyword->SetText(QStringLiteral("春节"));
    EXPECT_THROW(form->suitempButton4Click(form->Button4), EDatabaseError);
    EXPECT_FALSE(form->ADOQuery1->Active());
    EXPECT_EQ(Status(), before);
    // The same failure from a real click reaches the default error report.
    QTest::mouseClick(form->Button4->Handle(), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, TMessageBoxKind::Error);
    EXPECT_FALSE(boxes[0].text.isEmpty());
}

TEST_F(SearchTest, ACellClickShowsTheCleanedRowAndCopyPutsItOnTheClipboard) {
    form->suiButton_CopyClick(form->suiButton_Copy);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("请选择一条短信再复制！"));
    QApplication::clipboard()->setText(QStringLiteral("untouched"));
    form->DBGrid_duanxinlistCellClick(form->DBGrid_duanxinlist->Columns(0));
    EXPECT_EQ(form->DBMemo_Duanxin->Text(), QStringLiteral("春节快乐，祝你万事如意！"));
    form->suiButton_CopyClick(form->suiButton_Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("春节快乐，祝你万事如意！"));
    EXPECT_EQ(form->DBMemo_Duanxin->SelText(), form->DBMemo_Duanxin->Text());
    // Reopening moves no row: the view keeps its text.
    Search(QStringLiteral("元旦"));
    EXPECT_EQ(form->DBMemo_Duanxin->Text(), QStringLiteral("春节快乐，祝你万事如意！"));
    // Moving the row empties it.
    form->suitempButton1Click(form->Button1);
    form->ADOQuery1->MoveBy(4);
    EXPECT_TRUE(form->DBMemo_Duanxin->Text().isEmpty());
    form->DBGrid_duanxinlistCellClick(form->DBGrid_duanxinlist->Columns(0));
    EXPECT_TRUE(form->DBMemo_Duanxin->Text().isEmpty()); // a null row
}

TEST_F(SearchTest, CtrlCInTheGridCopiesTheCurrentRowCleaned) {
    QWidget* grid = form->DBGrid_duanxinlist->Handle();
    const auto pressCtrlC = [grid] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, QStringLiteral("\x03"));
        QCoreApplication::sendEvent(grid, &press);
    };
    QApplication::clipboard()->setText(QStringLiteral("untouched"));
    pressCtrlC();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("春节快乐，祝你万事如意！"));
    form->ADOQuery1->MoveBy(2);
    pressCtrlC();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("春节到了，100%的祝福送给你"));

    // Nothing to take from a closed list: the clipboard keeps what it had.
    QApplication::clipboard()->setText(QStringLiteral("untouched"));
    form->ADOQuery1->Close();
    pressCtrlC();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("untouched"));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(SearchTest, SpaceOrEnterInTheGridShowsTheCurrentRowAsAClickWould) {
    QWidget* grid = form->DBGrid_duanxinlist->Handle();
    const auto press = [grid](int key, const QString& text = QString()) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(grid, &event);
    };
    press(Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(form->DBMemo_Duanxin->Text(), QStringLiteral("春节快乐，祝你万事如意！"));
    press(Qt::Key_Down); // moving only empties the view
    EXPECT_TRUE(form->DBMemo_Duanxin->Text().isEmpty());
    press(Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(form->DBMemo_Duanxin->Text(), QStringLiteral("元旦快乐"));
    EXPECT_EQ(form->ADOQuery1->RecNo(), 2);
    // Then 复制 has something to copy.
    form->suiButton_CopyClick(form->suiButton_Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("元旦快乐"));

    form->ADOQuery1->Close();
    press(Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(form->DBMemo_Duanxin->Text(), QStringLiteral("元旦快乐"));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(SearchTest, ATouchpadSwipeMovesARowPerNotchAndSidewaysMotionNoRowAtAll) {
    form->Show();
    auto* view = static_cast<QAbstractScrollArea*>(form->DBGrid_duanxinlist->Handle());
    const auto wheel = [view](QPoint angle) {
        static quint64 stamp = 1;
        QWheelEvent event(QPointF(40, 20), QPointF(view->viewport()->mapToGlobal(QPoint(40, 20))),
                          QPoint(), angle, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        event.setTimestamp(++stamp);
        QCoreApplication::sendEvent(view->viewport(), &event);
    };
    for (int i = 0; i < 6; ++i) // three notches towards the user, in six parts
        wheel(QPoint(0, -60));
    EXPECT_EQ(form->ADOQuery1->RecNo(), 4);
    wheel(QPoint(0, 360)); // three notches at once: one row
    EXPECT_EQ(form->ADOQuery1->RecNo(), 3);

    form->DBGrid_duanxinlistCellClick(form->DBGrid_duanxinlist->Columns(0));
    const QString shown = form->DBMemo_Duanxin->Text();
    ASSERT_FALSE(shown.isEmpty());
    wheel(QPoint(-120, 0)); // X button 7: tilted right
    EXPECT_GT(view->horizontalScrollBar()->value(), 0);
    wheel(QPoint(120, 0)); // button 6: back to the left
    EXPECT_EQ(view->horizontalScrollBar()->value(), 0);
    wheel(QPoint(0, 0)); // a gesture's end carries no distance
    EXPECT_EQ(form->ADOQuery1->RecNo(), 3);
    EXPECT_EQ(form->DBMemo_Duanxin->Text(), shown);
}
