// The component classes a form description may name, each with a way to create it.
#pragma once

#include <QString>
#include <functional>

class TComponent;

class ClassRegistry {
public:
    using Factory = std::function<TComponent*(TComponent* owner)>;

    template <class T> static void Register() {
        Add(QString::fromLatin1(T::staticMetaObject.className()),
            [](TComponent* owner) -> TComponent* { return new T(owner); });
    }
    static void Add(const QString& className, Factory factory);
    // Throws EReadError for a class nobody registered.
    static TComponent* Create(const QString& className, TComponent* owner);
    static bool IsRegistered(const QString& className);
};
