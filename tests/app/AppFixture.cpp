#include "AppFixture.h"

#include "framework/platform/ResourceStore.h"

#include <QFile>
#include <span>
#include <sqlite3.h>

namespace {
QByteArray BuildLibrary(const QStringList& rows, const QString& folder) {
    const QString path = folder + QStringLiteral("/library.db");
    QFile::remove(path); // a fresh library, not rows added to the last one
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    sqlite3_exec(db, "CREATE TABLE data (短信内容 TEXT)", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO data VALUES (?)", -1, &insert, nullptr);
    for (const QString& row : rows) {
        const QByteArray utf8 = row.toUtf8();
        if (row.isNull())
            sqlite3_bind_null(insert, 1);
        else
            sqlite3_bind_text(insert, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_close(db);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}
} // namespace

void AppFixture::SetUp() {
    ASSERT_TRUE(runtime_.isValid());
    savedRuntimeDir_ = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
    application = std::make_unique<TApplication>();
    application->SetTitle(QStringLiteral("短信查询 - Velmora"));
    application->SetMessageBoxPresenter(
        [this](TMessageBoxKind kind, const QString& caption, const QString& text) {
            boxes.push_back({kind, caption, text});
        });
}

void AppFixture::TearDown() {
    application.reset();
    ResourceStore::Unregister(QStringLiteral("_"), QStringLiteral("MDB"));
    qputenv("XDG_RUNTIME_DIR", savedRuntimeDir_);
}

void AppFixture::RegisterLibrary(const QStringList& rows) {
    RegisterRawResource(BuildLibrary(rows, runtime_.path()));
}

void AppFixture::RegisterRawResource(const QByteArray& bytes) {
    resource_ = bytes;
    ResourceStore::Register(QStringLiteral("_"), QStringLiteral("MDB"),
                            std::as_bytes(std::span(resource_.constData(), resource_.size())));
}
