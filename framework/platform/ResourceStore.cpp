#include "framework/platform/ResourceStore.h"

#include "framework/core/Exception.h"

#include <QHash>

namespace {
QString Key(const QString& name, const QString& type) {
    return type.toUpper() + u'/' + name.toUpper();
}
QHash<QString, std::span<const std::byte>>& Store() {
    static QHash<QString, std::span<const std::byte>> store;
    return store;
}
} // namespace

void ResourceStore::Register(const QString& name, const QString& type,
                             std::span<const std::byte> data) {
    Store().insert(Key(name, type), data);
}

void ResourceStore::Unregister(const QString& name, const QString& type) {
    Store().remove(Key(name, type));
}

std::span<const std::byte> ResourceStore::Find(const QString& name, const QString& type) {
    const auto it = Store().constFind(Key(name, type));
    if (it == Store().constEnd())
        throw EResourceError(QStringLiteral("Resource %1 of type %2 not found").arg(name, type));
    return *it;
}
