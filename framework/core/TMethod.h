// A handler named in a form description: a method of the form, found by name in its
// meta-object and turned into an event callable with the event's own argument types.
#pragma once

#include "framework/core/Exception.h"

#include <QByteArray>
#include <QMetaMethod>
#include <QObject>
#include <QPointer>
#include <functional>
#include <initializer_list>
#include <vector>

struct TMethod {
    QPointer<QObject> Data; // the object the method belongs to (the form)
    QByteArray Code;        // the method's name
};

namespace MethodDetail {
// Index of the method called `name` taking `arity` arguments, or -1.
int FindMethod(const QObject* object, const QByteArray& name, int arity);
} // namespace MethodDetail

// Calls the method through the meta-object's own call path, which receives pointers to the
// arguments; the handler's parameters are the event's, so no conversion takes place.
template <class... Args> std::function<void(Args...)> MethodToEvent(const TMethod& method) {
    if (!method.Data)
        return {};
    const int index = MethodDetail::FindMethod(method.Data, method.Code, sizeof...(Args));
    if (index < 0)
        throw EReadError(QStringLiteral("Method %1 not found in %2")
                             .arg(QString::fromLatin1(method.Code),
                                  QString::fromLatin1(method.Data->metaObject()->className())));
    QPointer<QObject> target = method.Data;
    return [target, index](Args... args) {
        if (!target)
            return;
        void* argv[] = {nullptr, const_cast<void*>(static_cast<const void*>(&args))...};
        target->qt_metacall(QMetaObject::InvokeMetaMethod, index, argv);
    };
}

// A class's own events by name, for binding the handlers a form description names: each class
// lists its events in one table and hands other names on to its base class.
template <class T> class TEventTable {
public:
    struct Entry {
        const char* Name;
        std::function<void(T& object, const TMethod& method)> Bind;
    };
    TEventTable(std::initializer_list<Entry> entries) : entries_(entries) {}

    // Binds the event called `name` and answers true, or answers false when it is not listed.
    bool Bind(T& object, const QByteArray& name, const TMethod& method) const {
        for (const Entry& entry : entries_) {
            if (name == entry.Name) {
                entry.Bind(object, method);
                return true;
            }
        }
        return false;
    }

private:
    std::vector<Entry> entries_;
};

// One entry of a TEventTable: the event member, bound with the event's own argument types.
template <class T, class... Args>
typename TEventTable<T>::Entry EventBinding(const char* name,
                                            std::function<void(Args...)> T::*member) {
    return {name, [member](T& object, const TMethod& method) {
                object.*member = MethodToEvent<Args...>(method);
            }};
}
