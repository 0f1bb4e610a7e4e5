#include "framework/data/TADOConnection.h"
#include "TestDatabase.h"
#include "framework/core/Exception.h"
#include "framework/data/TADOQuery.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

QString OpenError(TADOConnection& connection, const QString& connectionString) {
    connection.SetConnectionString(connectionString);
    try {
        connection.Open();
    } catch (const EDatabaseError& e) {
        EXPECT_FALSE(connection.Connected());
        return e.Message();
    }
    ADD_FAILURE() << "opened: " << connectionString.toStdString();
    return {};
}

} // namespace

class TADOConnectionTest : public testing::Test {
protected:
    TestDatabase db;
    TComponent form{nullptr};
    TADOConnection* connection = new TADOConnection(&form);
};

TEST_F(TADOConnectionTest, OpensTheDataSourceReadOnlyWhateverTheCaseOfTheProvider) {
    connection->setProperty("ConnectionString", QStringLiteral(" data source = %1 ; PROVIDER = "
                                                               "MICROSOFT.JET.OLEDB.4.0")
                                                    .arg(db.Path()));
    ASSERT_TRUE(connection->setProperty("Connected", true));
    EXPECT_TRUE(connection->Connected());
    EXPECT_NE(sqlite3_exec(connection->Handle(), "DELETE FROM data", nullptr, nullptr, nullptr),
              SQLITE_OK);
    connection->setProperty("Connected", false);
    EXPECT_FALSE(connection->Connected());
    EXPECT_EQ(connection->Handle(), nullptr);
}

TEST_F(TADOConnectionTest, TheProviderPropertyServesWhenTheStringNamesNone) {
    connection->SetConnectionString(QStringLiteral("Data Source=") + db.Path());
    connection->Open();
    EXPECT_TRUE(connection->Connected());
    connection->Close();
    connection->SetProvider(QStringLiteral("SQLOLEDB"));
    EXPECT_TRUE(OpenError(*connection, connection->ConnectionString()).contains(u"SQLOLEDB"));
}

TEST_F(TADOConnectionTest, RefusesOtherProvidersAndAStringWithoutDataSource) {
    const QString other = OpenError(
        *connection, QStringLiteral("Provider=Microsoft.ACE.OLEDB.12.0;Data Source=") + db.Path());
    EXPECT_TRUE(other.contains(u"Microsoft.ACE.OLEDB.12.0")) << other.toStdString();
    EXPECT_TRUE(other.contains(u"Microsoft.Jet.OLEDB.4.0")) << other.toStdString();
    const QString noSource =
        OpenError(*connection, QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Mode=Read"));
    EXPECT_TRUE(noSource.contains(u"Data Source")) << noSource.toStdString();
}

TEST_F(TADOConnectionTest, AMissingFileIsNamedAndAFileThatIsNoDatabaseFailsAtOnce) {
    EXPECT_EQ(OpenError(*connection, TestDatabase::ConnectionStringFor(db.MissingPath())),
              QStringLiteral("Could not find file '%1'.").arg(db.MissingPath()));
    EXPECT_EQ(OpenError(*connection, TestDatabase::ConnectionStringFor(db.NotADatabasePath())),
              QStringLiteral("file is not a database"));
}

TEST_F(TADOConnectionTest, CloseWithoutOpenDoesNothingAndTheStringIsFixedWhileOpen) {
    connection->Close();
    EXPECT_FALSE(connection->Connected());
    connection->SetConnectionString(db.ConnectionString());
    connection->Open();
    connection->Open();
    EXPECT_THROW(connection->SetConnectionString(QString()), EDatabaseError);
    EXPECT_EQ(connection->ConnectionString(), db.ConnectionString());
}

TEST_F(TADOConnectionTest, ClosingClosesEveryQueryOnIt) {
    connection->SetConnectionString(db.ConnectionString());
    TADOQuery first(&form), second(&form);
    for (TADOQuery* query : {&first, &second}) {
        query->SetConnection(connection);
        query->SQL()->Add(QStringLiteral("Select * from data"));
        query->Open();
    }
    connection->Close();
    EXPECT_FALSE(first.Active());
    EXPECT_FALSE(second.Active());
    EXPECT_FALSE(connection->Connected());
}

TEST_F(TADOConnectionTest, ConnectedReadFromAFormDescriptionWaitsForLoaded) {
    connection->BeginLoading();
    connection->setProperty("Connected", true);
    connection->setProperty("ConnectionString", db.ConnectionString());
    connection->EndLoading();
    EXPECT_FALSE(connection->Connected());
    connection->Loaded();
    EXPECT_TRUE(connection->Connected());
}
