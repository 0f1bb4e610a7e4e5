#include "app/res.h"

#include "framework/core/Exception.h"
#include "framework/platform/ResourceStore.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
[[noreturn]] void Fail(const QString& fileName, const QString& why) {
    throw EFileError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, why));
}
} // namespace

void ExtractResource(const QString& name, const QString& type, const QString& fileName) {
    const auto bytes = ResourceStore::Find(name, type);
    // Never truncate in place: another copy of the program may be reading the file. The file
    // lives for one run only, so it is not forced to disk either.
    QTemporaryFile temporary(fileName + QStringLiteral(".XXXXXX"));
    if (!temporary.open())
        Fail(fileName, temporary.errorString());
    const auto size = static_cast<qint64>(bytes.size());
    if (temporary.write(reinterpret_cast<const char*>(bytes.data()), size) != size ||
        !temporary.flush())
        Fail(fileName, temporary.errorString());
    temporary.close();
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                    QFile::encodeName(fileName).constData()) != 0)
        Fail(fileName, QString::fromLocal8Bit(std::strerror(errno)));
    temporary.setAutoRemove(false);
}
