#include "framework/data/DatabaseError.h"

#include "framework/core/Exception.h"
#include "framework/core/TComponent.h"

#include <sqlite3.h>

void DatabaseError(const QString& message, const TComponent* component) {
    if (component && !component->Name().isEmpty())
        throw EDatabaseError(component->Name() + QStringLiteral(": ") + message);
    throw EDatabaseError(message);
}

void EngineError(sqlite3* db) {
    throw EDatabaseError(QString::fromUtf8(sqlite3_errmsg(db)));
}
