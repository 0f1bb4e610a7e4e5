// A read-only query on a TADOConnection. Its statement is the SQL lines, run as given; opening
// opens the connection if need be. The form reader sets the statement through the published
// list of lines; code uses SQL()->Clear() and SQL()->Add(line). Changing the statement closes
// the query. Every query keeps a client-side static cursor, whatever CursorLocation and
// CursorType say: they are kept only as the stored values.
#pragma once

#include "framework/data/DataTypes.h"
#include "framework/data/TADOConnection.h"
#include "framework/data/TDataSet.h"
#include "framework/data/TSQLStrings.h"

class TADOQuery : public TDataSet {
    Q_OBJECT
    Q_PROPERTY(TADOConnection* Connection READ Connection WRITE SetConnection)
    Q_PROPERTY(QStringList SQL READ SQLLines WRITE SetSQLLines)
    Q_PROPERTY(
        DataAccess::TCursorLocation CursorLocation READ CursorLocation WRITE SetCursorLocation)
    Q_PROPERTY(DataAccess::TCursorType CursorType READ CursorType WRITE SetCursorType)
public:
    explicit TADOQuery(TComponent* AOwner);
    ~TADOQuery() override;

    TADOConnection* Connection() const { return connection_; }
    // A query that changes its connection closes.
    void SetConnection(TADOConnection* connection);

    TSQLStrings* SQL() { return &sql_; }
    const TSQLStrings* SQL() const { return &sql_; }
    QStringList SQLLines() const { return sql_.Lines(); }
    void SetSQLLines(const QStringList& lines) { sql_.SetLines(lines); }

    TCursorLocation CursorLocation() const { return cursorLocation_; }
    void SetCursorLocation(TCursorLocation location) { cursorLocation_ = location; }
    TCursorType CursorType() const { return cursorType_; }
    void SetCursorType(TCursorType type) { cursorType_ = type; }

protected:
    void OpenCursor(TRecordBuffer& records) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TADOConnection* connection_ = nullptr; // owned elsewhere
    TSQLStrings sql_;
    TCursorLocation cursorLocation_ = TCursorLocation::clUseClient;
    TCursorType cursorType_ = TCursorType::ctKeyset;
};
