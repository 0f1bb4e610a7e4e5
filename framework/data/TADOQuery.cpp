#include "framework/data/TADOQuery.h"

#include "framework/data/DatabaseError.h"
#include "framework/forms/ClassRegistry.h"

#include <memory>
#include <sqlite3.h>

REGISTER_COMPONENT_CLASS(TADOQuery)

namespace {

// Jet's longest text column; the engine's TEXT columns declare no length.
constexpr int DefaultTextWidth = 255;
// Room for a 32-bit number with its sign.
constexpr int IntegerWidth = 11;

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// Width in characters from the declared type: "VARCHAR(40)" gives 40.
int DeclaredWidth(const char* declaredType) {
    const QString type = QString::fromUtf8(declaredType).toUpper();
    const qsizetype open = type.indexOf(u'(');
    const qsizetype close = type.indexOf(u')', open);
    if (open >= 0 && close > open) {
        bool ok = false;
        const int width = type.mid(open + 1, close - open - 1).trimmed().toInt(&ok);
        if (ok && width > 0)
            return width;
    }
    return type.contains(QLatin1String("INT")) ? IntegerWidth : DefaultTextWidth;
}

std::vector<TFieldDef> FieldDefs(sqlite3_stmt* statement) {
    std::vector<TFieldDef> defs;
    const int columns = sqlite3_column_count(statement);
    for (int c = 0; c < columns; ++c)
        defs.push_back({QString::fromUtf8(sqlite3_column_name(statement, c)),
                        DeclaredWidth(sqlite3_column_decltype(statement, c))});
    return defs;
}

// The text is asked for before its length, so that the length is that of the UTF-8 form. Only
// a null text needs a look at the type: asking every value for it costs a sixth of a full fetch.
void AppendValue(TRecordBuffer& records, sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    if (!text && sqlite3_column_type(statement, column) != SQLITE_NULL)
        text = ""; // a zero-length blob
    records.Append(text, text ? sqlite3_column_bytes(statement, column) : 0);
}

} // namespace

TADOQuery::TADOQuery(TComponent* AOwner) : TDataSet(AOwner) {
    sql_.OnChange = [this] { Close(); };
}

TADOQuery::~TADOQuery() {
    sql_.OnChange = nullptr;
    SetConnection(nullptr);
}

void TADOQuery::SetConnection(TADOConnection* connection) {
    if (connection == connection_)
        return;
    Close();
    if (connection_)
        connection_->DetachDataSet(this);
    connection_ = connection;
    if (connection_)
        connection_->AttachDataSet(this);
}

void TADOQuery::OpenCursor(TRecordBuffer& records) {
    if (!connection_)
        DatabaseError(QStringLiteral("Missing Connection or ConnectionString"), this);
    connection_->Open();
    sqlite3* db = connection_->Handle();
    const QByteArray text = sql_.Text().toUtf8();
    sqlite3_stmt* prepared = nullptr;
    if (sqlite3_prepare_v2(db, text.constData(), static_cast<int>(text.size()), &prepared,
                           nullptr) != SQLITE_OK)
        EngineError(db);
    const Statement statement(prepared);
    const int columns = sqlite3_column_count(prepared);
    if (columns == 0)
        DatabaseError(QStringLiteral("CommandText does not return a result set"), this);
    records.Reset(FieldDefs(prepared));
    int rc;
    while ((rc = sqlite3_step(prepared)) == SQLITE_ROW)
        for (int c = 0; c < columns; ++c)
            AppendValue(records, prepared, c);
    if (rc != SQLITE_DONE)
        EngineError(db);
}

void TADOQuery::Notification(TComponent* AComponent, TOperation Operation) {
    TDataSet::Notification(AComponent, Operation);
    // The connection is being destroyed and has already closed this query.
    if (Operation == TOperation::opRemove && AComponent == connection_)
        connection_ = nullptr;
}
