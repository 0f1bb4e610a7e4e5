#include "framework/forms/ClassRegistry.h"

#include "framework/core/Exception.h"

#include <QHash>

namespace {
QHash<QString, ClassRegistry::Factory>& Registry() {
    static QHash<QString, ClassRegistry::Factory> registry;
    return registry;
}
} // namespace

void ClassRegistry::Add(const QString& className, Factory factory) {
    Registry().insert(className.toLower(), std::move(factory));
}

TComponent* ClassRegistry::Create(const QString& className, TComponent* owner) {
    const auto it = Registry().constFind(className.toLower());
    if (it == Registry().constEnd())
        throw EReadError(QStringLiteral("Class %1 not found").arg(className));
    return (*it)(owner);
}

bool ClassRegistry::IsRegistered(const QString& className) {
    return Registry().contains(className.toLower());
}
