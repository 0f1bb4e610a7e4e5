#include "TestDatabase.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

TestDatabase::TestDatabase() {
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(Path().toUtf8().constData(), &db), SQLITE_OK);
    // One transaction without syncing: a file per test must not cost a disk flush per row.
    sqlite3_exec(db, "PRAGMA synchronous=OFF; BEGIN; CREATE TABLE data (短信内容 TEXT)", nullptr,
                 nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO data VALUES (?)", -1, &insert, nullptr);
    for (const QString& row : Rows()) {
        const QByteArray text = row.toUtf8();
        if (row.isNull())
            sqlite3_bind_null(insert, 1);
        else
            sqlite3_bind_text(insert, 1, text.constData(), static_cast<int>(text.size()),
                              SQLITE_TRANSIENT);
        EXPECT_EQ(sqlite3_step(insert), SQLITE_DONE);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    EXPECT_EQ(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);

    QFile text(NotADatabasePath());
    EXPECT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray("这不是数据库, just some text that is long enough to fill a header.\n")
                   .repeated(20));
}

QStringList TestDatabase::Rows() {
    return {QStringLiteral("春节快乐，万事如意"),
            QStringLiteral("祝|〓|新年快乐"),
            QString(),
            QStringLiteral("元旦快乐"),
            QStringLiteral("母亲节快乐，妈妈辛苦了"),
            QStringLiteral("100%的祝福给春节的你")};
}

QString TestDatabase::ConnectionStringFor(const QString& path) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path +
           QStringLiteral(";Persist Security Info=False");
}
