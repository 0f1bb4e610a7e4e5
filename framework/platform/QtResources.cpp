#include "framework/platform/QtResources.h"

#include <QFile>

std::optional<QByteArray> QtResources::Read(const QString& folder, const QString& name,
                                            const QString& suffix) {
    const auto path = [&](const QString& n) {
        return QStringLiteral(":/%1/%2.%3").arg(folder, n, suffix);
    };
    QFile file(path(name));
    if (!file.exists())
        file.setFileName(path(name.toUpper()));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}
