#include "framework/data/TDataLink.h"
#include "TestDatabase.h"
#include "framework/data/TADOConnection.h"
#include "framework/data/TADOQuery.h"
#include "framework/data/TDataSource.h"

#include <gtest/gtest.h>

namespace {

// Writes down every hook it hears, with what the data set looked like at that moment.
class RecordingLink : public TDataLink {
public:
    QStringList heard;

protected:
    void ActiveChanged() override {
        heard << (Active() ? QStringLiteral("active %1").arg(RecordCount())
                           : QStringLiteral("inactive"));
    }
    void DataSetChanged() override { heard << QStringLiteral("changed"); }
    void DataSetScrolled(int distance) override {
        heard << QStringLiteral("scrolled %1 to %2").arg(distance).arg(DataSet()->RecNo());
    }
};

// Counts what a link hears when it overrides RecordChanged alone.
class RecordLink : public TDataLink {
public:
    int changes = 0;

protected:
    void RecordChanged(TField* field) override {
        EXPECT_EQ(field, nullptr);
        ++changes;
    }
};

} // namespace

class TDataLinkTest : public testing::Test {
protected:
    TDataLinkTest() {
        connection->SetConnectionString(db.ConnectionString());
        query->SetConnection(connection);
        query->SQL()->Add(QStringLiteral("Select * from data"));
        source->SetDataSet(query);
        link.SetDataSource(source);
    }

    TestDatabase db;
    TComponent form{nullptr};
    TADOConnection* connection = new TADOConnection(&form);
    TADOQuery* query = new TADOQuery(&form);
    TDataSource* source = new TDataSource(&form);
    RecordingLink link;
};

TEST_F(TDataLinkTest, OpeningAndClosingAreHeardButAreNoScroll) {
    query->Open();
    query->Close();
    query->Open(); // a reopening is no row move either
    EXPECT_EQ(link.heard, QStringList({"active 6", "changed", "inactive", "active 6", "changed"}));
}

TEST_F(TDataLinkTest, OnlyMovesThatMoveAreHeardWithTheirDistance) {
    query->Open();
    link.heard.clear();
    query->MoveBy(0);
    query->Prior(); // at the first row already
    query->MoveBy(2);
    query->Last();
    query->Next();       // at the last row already
    query->MoveBy(-100); // stops at the first row
    query->First();      // there already
    EXPECT_EQ(link.heard, QStringList({"scrolled 2 to 3", "scrolled 3 to 6", "scrolled -5 to 1"}));
}

TEST_F(TDataLinkTest, ALinkAskingOnlyForRecordChangesHearsOpeningsAndMoves) {
    RecordLink record;
    record.SetDataSource(source);
    query->Open();
    query->Next();
    query->Close();
    EXPECT_EQ(record.changes, 2);
}

TEST_F(TDataLinkTest, AttachingToAnOpenDataSetOrSwitchingItIsHeardAsAStateChange) {
    query->Open();
    RecordingLink late;
    late.SetDataSource(source);
    EXPECT_EQ(late.heard, QStringList({"active 6"}));
    late.SetDataSource(nullptr);
    EXPECT_EQ(late.heard.last(), QStringLiteral("inactive"));
    EXPECT_EQ(late.RecordCount(), 0);

    TADOQuery other(&form);
    other.SetConnection(connection);
    other.SQL()->Add(QStringLiteral("Select * from data where 短信内容 is null"));
    other.Open();
    link.heard.clear();
    source->SetDataSet(&other);
    EXPECT_EQ(link.heard, QStringList({"changed"}));
    EXPECT_EQ(link.RecordCount(), 1);
    query->Next(); // no longer joined
    EXPECT_EQ(link.heard.size(), 1);
}

TEST_F(TDataLinkTest, ADataSourceDestroyedFirstDetachesItsLinks) {
    query->Open();
    link.heard.clear();
    delete source;
    EXPECT_EQ(link.heard, QStringList({"inactive"}));
    EXPECT_EQ(link.DataSource(), nullptr);
    EXPECT_EQ(link.DataSet(), nullptr);
    query->Next();
    query->Close();
    EXPECT_EQ(link.heard.size(), 1);
}

TEST_F(TDataLinkTest, ADataSetDestroyedFirstIsDroppedByItsDataSource) {
    query->Open();
    link.heard.clear();
    delete query;
    EXPECT_EQ(link.heard, QStringList({"inactive"}));
    EXPECT_EQ(source->DataSet(), nullptr);
    EXPECT_EQ(link.DataSet(), nullptr);
    EXPECT_FALSE(link.Active());
}

TEST_F(TDataLinkTest, ALinkDestroyedFirstLeavesTheDataSourceWorking) {
    {
        RecordingLink shortLived;
        shortLived.SetDataSource(source);
    }
    query->Open();
    query->Next();
    EXPECT_EQ(link.heard.last(), QStringLiteral("scrolled 1 to 2"));
}

TEST_F(TDataLinkTest, TheFormPublishesTheDataSetByName) {
    TDataSource loaded(&form);
    EXPECT_TRUE(loaded.setProperty("DataSet", QVariant::fromValue<QObject*>(query)));
    EXPECT_EQ(loaded.DataSet(), query);
}
