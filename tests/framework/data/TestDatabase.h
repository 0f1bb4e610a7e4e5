// A small message library in a temporary folder: table `data` with the one column `短信内容`,
// rows in a known order including a NULL, and a file beside it that is not a database.
#pragma once

#include <QStringList>
#include <QTemporaryDir>

class TestDatabase {
public:
    TestDatabase();

    // The rows in stored order; a null QString stands for SQL NULL.
    static QStringList Rows();

    QString Path() const { return dir_.filePath(QStringLiteral("_.dll")); }
    QString NotADatabasePath() const { return dir_.filePath(QStringLiteral("text.dll")); }
    QString MissingPath() const { return dir_.filePath(QStringLiteral("missing.dll")); }
    static QString ConnectionStringFor(const QString& path);
    QString ConnectionString() const { return ConnectionStringFor(Path()); }

private:
    QTemporaryDir dir_;
};
