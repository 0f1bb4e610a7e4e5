// Finding a form's components by the names its form description gives them, as a form's
// constructor does once the description has been read.
#pragma once

#include "framework/core/Exception.h"
#include "framework/core/TComponent.h"

// The component called `name` owned by `form`, which must be a T. Raises EReadError naming the
// form's class and the name when there is none such: the description and the code disagree.
template <class T> T* DescribedComponent(const TComponent& form, const char* name) {
    auto* component = qobject_cast<T*>(form.FindComponent(QString::fromLatin1(name)));
    if (!component)
        throw EReadError(QStringLiteral("Form description of %1 lacks %2")
                             .arg(form.ClassName(), QLatin1String(name)));
    return component;
}
