#include "framework/controls/TDBMemo.h"

#include "../core/TestSupport.h"
#include "../data/TestDatabase.h"
#include "framework/data/TADOConnection.h"
#include "framework/data/TADOQuery.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>

using namespace TestSupport;

class TDBMemoTest : public testing::Test {
protected:
    TDBMemoTest() {
        connection->SetConnectionString(db.ConnectionString());
        query->SetConnection(connection);
        query->SQL()->Add(QStringLiteral("Select * from data"));
        source->SetDataSet(query);
        memo->SetDataSource(source);
        query->Open();
    }

    RecordingApplication app;
    TestDatabase db;
    TComponent form{nullptr};
    TADOConnection* connection = new TADOConnection(&form);
    TADOQuery* query = new TADOQuery(&form);
    TDataSource* source = new TDataSource(&form);
    TDBMemo* memo = new TDBMemo(&form);
};

TEST_F(TDBMemoTest, EmptiedWhenTheRowMovesButNotWhenTheQueryIsReopened) {
    memo->SetText(QStringLiteral("祝你新年快乐"));
    query->Close();
    query->Open();
    EXPECT_EQ(memo->Text(), QStringLiteral("祝你新年快乐"));

    query->MoveBy(1);
    EXPECT_EQ(memo->Text(), QString());
    memo->SetText(QStringLiteral("元旦快乐"));
    query->MoveBy(-1);
    EXPECT_EQ(memo->Text(), QString());
}

TEST_F(TDBMemoTest, ANewDataSourceIsFollowedAndADestroyedOneIsForgotten) {
    auto* other = new TDataSource(&form);
    other->SetDataSet(query);
    memo->SetDataSource(other);
    delete source;
    memo->SetText(QStringLiteral("x"));
    query->MoveBy(1);
    EXPECT_EQ(memo->Text(), QString());
    delete other;
    EXPECT_EQ(memo->DataSource(), nullptr);
    memo->SetText(QStringLiteral("y"));
    query->MoveBy(1);
    EXPECT_EQ(memo->Text(), QStringLiteral("y"));
}

TEST_F(TDBMemoTest, SelectAllAndCopyPutTheWholeTextOnTheClipboardAsPlainText) {
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    memo->SetText(QStringLiteral("第一行 <b>粗</b>\n第二行"));
    memo->SelectAll();
    memo->CopyToClipboard();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), QStringLiteral("第一行 <b>粗</b>\n第二行"));
    EXPECT_FALSE(data->hasHtml());
    EXPECT_EQ(memo->SelText(), memo->Text());
}

TEST_F(TDBMemoTest, AReadOnlyMemoTakesNoTyping) {
    memo->SetReadOnly(true);
    memo->SetText(QStringLiteral("只读"));
    TypeText(memo->Handle(), QStringLiteral("ab"));
    TypeKey(memo->Handle(), Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(memo->Text(), QStringLiteral("只读"));

    memo->SetReadOnly(false);
    TypeText(memo->Handle(), QStringLiteral("ab"));
    EXPECT_NE(memo->Text(), QStringLiteral("只读"));
}
