#include "framework/data/TADOConnection.h"

#include "framework/core/Exception.h"
#include "framework/data/TConnectionString.h"
#include "framework/data/TDataSet.h"
#include "framework/forms/ClassRegistry.h"

#include <QFileInfo>
#include <algorithm>
#include <sqlite3.h>

REGISTER_COMPONENT_CLASS(TADOConnection)

TADOConnection::TADOConnection(TComponent* AOwner) : TComponent(AOwner) {}

TADOConnection::~TADOConnection() {
    // The queries are still whole here; they drop their reference in Notification afterwards.
    Close();
}

void TADOConnection::SetConnectionString(const QString& text) {
    if (Connected())
        throw EDatabaseError(QStringLiteral("Operation is not allowed when the object is open."));
    connectionString_ = text;
}

void TADOConnection::SetConnected(bool connected) {
    if (IsLoading())
        streamedConnected_ = connected;
    else if (connected)
        Open();
    else
        Close();
}

void TADOConnection::Loaded() {
    TComponent::Loaded();
    if (streamedConnected_)
        Open();
}

void TADOConnection::Open() {
    if (!Connected())
        OpenDatabase(DatabasePath());
}

QString TADOConnection::DatabasePath() const {
    const TConnectionString parts = TConnectionString::Parse(connectionString_);
    const QString provider = parts.Contains(QStringLiteral("Provider"))
                                 ? parts.Value(QStringLiteral("Provider"))
                                 : provider_;
    if (provider.compare(QLatin1String(JetProvider), Qt::CaseInsensitive) != 0)
        throw EDatabaseError(QStringLiteral("Provider cannot be found: '%1'. Only %2 is available.")
                                 .arg(provider, QLatin1String(JetProvider)));
    const QString path = parts.Value(QStringLiteral("Data Source"));
    if (path.isEmpty())
        throw EDatabaseError(QStringLiteral("The connection string names no Data Source."));
    return path;
}

void TADOConnection::OpenDatabase(const QString& path) {
    // Without this check the engine would only say "unable to open database file".
    if (!QFileInfo::exists(path))
        throw EDatabaseError(QStringLiteral("Could not find file '%1'.").arg(path));
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    // The engine reads the file lazily: ask for the schema now so that a file that is not a
    // database fails here and not at the first query.
    if (rc != SQLITE_OK ||
        sqlite3_exec(db, "PRAGMA schema_version", nullptr, nullptr, nullptr) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        throw EDatabaseError(message);
    }
    db_ = db;
}

void TADOConnection::Close() {
    if (!Connected())
        return;
    // Copy: closing a data set lets its controls react, and they might detach it.
    const std::vector<TDataSet*> dataSets = dataSets_;
    for (TDataSet* dataSet : dataSets)
        dataSet->Close();
    sqlite3_close(db_);
    db_ = nullptr;
}

void TADOConnection::AttachDataSet(TDataSet* dataSet) {
    dataSets_.push_back(dataSet);
    FreeNotification(dataSet);
}

void TADOConnection::DetachDataSet(TDataSet* dataSet) {
    dataSets_.erase(std::remove(dataSets_.begin(), dataSets_.end(), dataSet), dataSets_.end());
    RemoveFreeNotification(dataSet);
}

void TADOConnection::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove)
        dataSets_.erase(std::remove(dataSets_.begin(), dataSets_.end(), AComponent),
                        dataSets_.end());
}
