#include "framework/platform/QtResources.h"

#include <QFile>

std::optional<QString> QtResources::Locate(const QString& folder, const QString& name,
                                           const QString& suffix) {
    const auto path = [&](const QString& n) {
        return QStringLiteral(":/%1/%2.%3").arg(folder, n, suffix);
    };
    for (const QString& candidate : {path(name), path(name.toUpper())})
        if (QFile::exists(candidate))
            return candidate;
    return std::nullopt;
}

std::optional<QByteArray> QtResources::Read(const QString& folder, const QString& name,
                                            const QString& suffix) {
    const std::optional<QString> path = Locate(folder, name, suffix);
    if (!path)
        return std::nullopt;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}
