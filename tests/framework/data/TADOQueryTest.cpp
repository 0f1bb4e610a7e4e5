#include "framework/data/TADOQuery.h"
#include "TestDatabase.h"
#include "framework/core/Exception.h"
#include "framework/data/TADOConnection.h"

#include <gtest/gtest.h>

class TADOQueryTest : public testing::Test {
protected:
    TADOQueryTest() {
        connection->SetName(QStringLiteral("ADOConnection1"));
        connection->SetConnectionString(db.ConnectionString());
        query->SetName(QStringLiteral("ADOQuery1"));
        query->SetConnection(connection);
    }

    // Close, replace the statement, open: what every listing does.
    void Reopen(const QString& statement) {
        query->Close();
        query->SQL()->Clear();
        query->SQL()->Add(statement);
        query->Open();
    }

    QStringList Column() {
        QStringList values;
        for (query->First(); !query->Eof(); query->Next())
            values << query->Fields(0)->AsString();
        return values;
    }

    TestDatabase db;
    TComponent form{nullptr};
    TADOConnection* connection = new TADOConnection(&form);
    TADOQuery* query = new TADOQuery(&form);
};

TEST_F(TADOQueryTest, OpeningOpensTheConnectionAndFetchesEveryRowInStoredOrder) {
    EXPECT_FALSE(connection->Connected());
    Reopen(QStringLiteral("Select * from data"));
    EXPECT_TRUE(connection->Connected());
    EXPECT_EQ(query->RecordCount(), TestDatabase::Rows().size());
    EXPECT_EQ(query->RecNo(), 1);
    EXPECT_TRUE(query->Bof());
    EXPECT_FALSE(query->Eof());
    QStringList expected = TestDatabase::Rows();
    expected[2] = QString(""); // NULL reads as the empty text
    EXPECT_EQ(Column(), expected);
}

TEST_F(TADOQueryTest, NullReadsAsEmptyTextAndIsNull) {
    Reopen(QStringLiteral("Select 短信内容 from data"));
    query->MoveBy(2);
    TField* field = query->FieldByName(QStringLiteral("短信内容"));
    EXPECT_TRUE(field->IsNull());
    EXPECT_TRUE(field->AsString().isEmpty());
    query->Next();
    EXPECT_FALSE(field->IsNull());
    EXPECT_EQ(field->AsString(), QStringLiteral("元旦快乐"));
}

TEST_F(TADOQueryTest, MoveByStopsAtBothEndsAndReturnsTheRowsMoved) {
    Reopen(QStringLiteral("Select * from data"));
    const int rows = query->RecordCount();
    EXPECT_EQ(query->MoveBy(-1), 0);
    EXPECT_TRUE(query->Bof());
    EXPECT_EQ(query->MoveBy(2), 2);
    EXPECT_EQ(query->RecNo(), 3);
    EXPECT_EQ(query->MoveBy(100), rows - 3);
    EXPECT_EQ(query->RecNo(), rows);
    EXPECT_TRUE(query->Eof());
    EXPECT_EQ(query->MoveBy(1), 0);
    EXPECT_EQ(query->MoveBy(-1), -1);
    EXPECT_FALSE(query->Eof());
    EXPECT_EQ(query->MoveBy(-1000), -(rows - 2));
    EXPECT_EQ(query->RecNo(), 1);
    EXPECT_TRUE(query->Bof());
    EXPECT_EQ(query->MoveBy(INT_MAX), rows - 1);
    EXPECT_EQ(query->MoveBy(INT_MIN), -(rows - 1));
    query->Last();
    EXPECT_EQ(query->RecNo(), rows);
    EXPECT_TRUE(query->Eof());
}

TEST_F(TADOQueryTest, CellTextReadsAnyRowWithoutMovingAndChecksItsRange) {
    Reopen(QStringLiteral("Select rowid, * from data"));
    query->Next();
    EXPECT_EQ(query->CellText(5, 1), TestDatabase::Rows()[5]);
    EXPECT_EQ(query->CellText(0, 0), QStringLiteral("1"));
    EXPECT_TRUE(query->CellText(2, 1).isEmpty());
    EXPECT_EQ(query->RecNo(), 2);
    EXPECT_THROW(query->CellText(6, 0), EDatabaseError);
    EXPECT_THROW(query->CellText(-1, 0), EDatabaseError);
    EXPECT_THROW(query->CellText(0, 2), EDatabaseError);
}

TEST_F(TADOQueryTest, AnEmptyResultIsAtItsEndRightAfterOpening) {
    Reopen(QStringLiteral("Select 短信内容 from data where 短信内容 like '%圣诞%' "));
    EXPECT_TRUE(query->Active());
    EXPECT_TRUE(query->IsEmpty());
    EXPECT_TRUE(query->Eof());
    EXPECT_TRUE(query->Bof());
    EXPECT_EQ(query->RecordCount(), 0);
    EXPECT_EQ(query->RecNo(), 0);
    EXPECT_EQ(query->MoveBy(1), 0);
    EXPECT_EQ(query->MoveBy(-1), 0);
    EXPECT_TRUE(query->Eof());
    EXPECT_TRUE(query->Fields(0)->AsString().isEmpty());
}

TEST_F(TADOQueryTest, LikeFindsExactlyTheRowsHoldingTheWordWithWildcardsKept) {
    Reopen(QStringLiteral("Select 短信内容 from data where 短信内容 like '%春节%' "));
    EXPECT_EQ(Column(), QStringList({TestDatabase::Rows()[0], TestDatabase::Rows()[5]}));
    Reopen(QStringLiteral("Select 短信内容 from data where 短信内容 like '%快乐_%' "));
    EXPECT_EQ(Column(), QStringList({TestDatabase::Rows()[0], TestDatabase::Rows()[4]}));
    Reopen(QStringLiteral("Select 短信内容 from data where 短信内容 like '%春%快%' "));
    EXPECT_EQ(Column(), QStringList({TestDatabase::Rows()[0]}));
}

TEST_F(TADOQueryTest, FieldsAreRebuiltFromEveryStatement) {
    Reopen(QStringLiteral("Select rowid, * from data"));
    ASSERT_EQ(query->FieldCount(), 2);
    EXPECT_EQ(query->Fields(0)->FieldName(), QStringLiteral("rowid"));
    EXPECT_EQ(query->Fields(1)->FieldName(), QStringLiteral("短信内容"));
    EXPECT_EQ(query->Fields(1)->DisplayWidth(), 255);
    EXPECT_EQ(query->FindField(QStringLiteral("ROWID")), query->Fields(0));
    Reopen(QStringLiteral("Select 短信内容 as Text, 'x' from data"));
    ASSERT_EQ(query->FieldCount(), 2);
    EXPECT_EQ(query->FindField(QStringLiteral("rowid")), nullptr);
    EXPECT_EQ(query->FieldByName(QStringLiteral("text"))->Index(), 0);
    EXPECT_EQ(query->Fields(1)->AsString(), QStringLiteral("x"));
    EXPECT_THROW(query->Fields(2), EDatabaseError);
    try {
        query->FieldByName(QStringLiteral("短信内容"));
        ADD_FAILURE();
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("ADOQuery1: Field '短信内容' not found"));
    }
}

TEST_F(TADOQueryTest, EveryReadOrMoveOnAClosedQueryRaisesTheClosedDatasetError) {
    const QString closed = QStringLiteral("ADOQuery1: Cannot perform this operation on a closed "
                                          "dataset");
    auto expectClosed = [&](const char* what, const std::function<void()>& call) {
        try {
            call();
            ADD_FAILURE() << what;
        } catch (const EDatabaseError& e) {
            EXPECT_EQ(e.Message(), closed) << what;
        }
    };
    Reopen(QStringLiteral("Select * from data"));
    query->Close();
    query->Close();
    EXPECT_EQ(query->FieldCount(), 0);
    EXPECT_EQ(query->FindField(QStringLiteral("短信内容")), nullptr);
    expectClosed("Eof", [&] { query->Eof(); });
    expectClosed("Bof", [&] { query->Bof(); });
    expectClosed("IsEmpty", [&] { query->IsEmpty(); });
    expectClosed("RecordCount", [&] { query->RecordCount(); });
    expectClosed("RecNo", [&] { query->RecNo(); });
    expectClosed("MoveBy", [&] { query->MoveBy(1); });
    expectClosed("First", [&] { query->First(); });
    expectClosed("Last", [&] { query->Last(); });
    expectClosed("Fields", [&] { query->Fields(0); });
    expectClosed("FieldByName", [&] { query->FieldByName(QStringLiteral("短信内容")); });
    expectClosed("CellText", [&] { query->CellText(0, 0); });
}

TEST_F(TADOQueryTest, ARejectedStatementRaisesTheEnginesMessageAndLeavesTheQueryClosed) {
    Reopen(QStringLiteral("Select * from data"));
    try {
        Reopen(QStringLiteral("Select 短信内容 from data where 短信内容 like '%a'b%' "));
        ADD_FAILURE();
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("near \"b\": syntax error"));
    }
    EXPECT_FALSE(query->Active());
    EXPECT_THROW(Reopen(QStringLiteral("Select * from nothing")), EDatabaseError);
    EXPECT_THROW(Reopen(QStringLiteral("-- no statement")), EDatabaseError);
    EXPECT_FALSE(query->Active());
    Reopen(QStringLiteral("Select * from data"));
    EXPECT_TRUE(query->Active());
}

TEST_F(TADOQueryTest, AFormReaderSetsEveryPublishedValueByName) {
    TADOQuery* loaded = new TADOQuery(&form);
    loaded->BeginLoading();
    EXPECT_TRUE(loaded->setProperty("Connection", QVariant::fromValue<QObject*>(connection)));
    EXPECT_TRUE(loaded->setProperty("CursorLocation", QStringLiteral("clUseClient")));
    EXPECT_TRUE(loaded->setProperty("CursorType", QStringLiteral("ctStatic")));
    EXPECT_TRUE(loaded->setProperty("Active", true));
    EXPECT_TRUE(loaded->setProperty(
        "SQL", QStringList{QStringLiteral("Select *"), QStringLiteral("from data")}));
    loaded->EndLoading();
    EXPECT_FALSE(loaded->Active());
    loaded->Loaded();
    EXPECT_EQ(loaded->Connection(), connection);
    EXPECT_EQ(loaded->CursorLocation(), TCursorLocation::clUseClient);
    EXPECT_EQ(loaded->CursorType(), TCursorType::ctStatic);
    EXPECT_EQ(loaded->SQL()->Text(), QStringLiteral("Select *\nfrom data"));
    EXPECT_TRUE(loaded->Active());
    EXPECT_EQ(loaded->RecordCount(), TestDatabase::Rows().size());
}

TEST_F(TADOQueryTest, ChangingTheStatementOrTheConnectionClosesTheQuery) {
    Reopen(QStringLiteral("Select * from data"));
    query->SQL()->Add(QStringLiteral("where 短信内容 is null"));
    EXPECT_FALSE(query->Active());
    query->Open();
    EXPECT_EQ(query->RecordCount(), 1);
    query->SetConnection(nullptr);
    EXPECT_FALSE(query->Active());
    connection->Close(); // no longer reaches the query
}

TEST_F(TADOQueryTest, DestroyingTheConnectionFirstClosesAndReleasesTheQuery) {
    Reopen(QStringLiteral("Select * from data"));
    delete connection;
    EXPECT_FALSE(query->Active());
    EXPECT_EQ(query->Connection(), nullptr);
    EXPECT_THROW(query->Open(), EDatabaseError);
}

TEST_F(TADOQueryTest, DestroyingTheQueryFirstLeavesTheConnectionUsable) {
    Reopen(QStringLiteral("Select * from data"));
    delete query;
    connection->Close();
    EXPECT_FALSE(connection->Connected());
}
