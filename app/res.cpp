#include "app/res.h"

#include "framework/core/Exception.h"
#include "framework/platform/ResourceStore.h"

#include <QFile>
#include <QSaveFile>

void ExtractResource(const QString& name, const QString& type, const QString& fileName) {
    const auto bytes = ResourceStore::Find(name, type);
    QSaveFile file(fileName);
    // Never truncate in place: another copy of the program may have the file open.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw EFileError(
            QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size || !file.commit())
        throw EFileError(
            QStringLiteral("Cannot write file \"%1\". %2").arg(fileName, file.errorString()));
}
