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

// Placed once in a class's own source file: the class is known to the form reader before main
// runs. Nothing else needs to refer to that unit, and a plain static-library link would drop
// an object file nobody refers to, taking the registration with it; so the libraries are
// linked whole (duanxin_whole_archive_library in the top CMakeLists.txt). That keeps every
// class that carries this line, with no list to forget.
#define REGISTER_COMPONENT_CLASS(T)                                                                \
    namespace {                                                                                    \
    [[maybe_unused]] const bool kRegistered##T = (ClassRegistry::Register<T>(), true);             \
    }
