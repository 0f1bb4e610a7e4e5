// A private runtime folder, a small library registered as the embedded resource, and message
// boxes recorded instead of shown: what the main window needs to start without a screen.
#pragma once

#include "framework/core/TApplication.h"
#include "support/QtPrinting.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class AppFixture : public testing::Test {
public:
    void SetUp() override;
    void TearDown() override;

    // A library with these rows (a null QString is SQL NULL) as resource "_" of type "MDB".
    void RegisterLibrary(const QStringList& rows);
    void RegisterRawResource(const QByteArray& bytes);
    QString RuntimePath() const { return runtime_.path() + QStringLiteral("/duanxin"); }
    QString LibraryPath() const { return RuntimePath() + QStringLiteral("/_.dll"); }

    struct Box {
        TMessageBoxKind kind;
        QString caption;
        QString text;
    };
    std::vector<Box> boxes;
    std::unique_ptr<TApplication> application;

private:
    QTemporaryDir runtime_;
    QByteArray resource_;
    QByteArray savedRuntimeDir_;
};
