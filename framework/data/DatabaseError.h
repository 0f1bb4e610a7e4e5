// Raising data errors: the framework's own texts carry the component's name in front, the
// engine's texts are passed on as the engine words them.
#pragma once

#include <QString>

class TComponent;
struct sqlite3;

// "Name: message", or the message alone for a component without a name.
[[noreturn]] void DatabaseError(const QString& message, const TComponent* component = nullptr);

// The engine's message for the last failed call on `db`.
[[noreturn]] void EngineError(sqlite3* db);
