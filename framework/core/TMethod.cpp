#include "framework/core/TMethod.h"

#include <QMetaObject>

namespace MethodDetail {

int FindMethod(const QObject* object, const QByteArray& name, int arity) {
    const QMetaObject* meta = object->metaObject();
    for (int i = meta->methodCount() - 1; i >= 0; --i) {
        const QMetaMethod m = meta->method(i);
        if (m.name() == name && m.parameterCount() == arity)
            return i;
    }
    return -1;
}

} // namespace MethodDetail
