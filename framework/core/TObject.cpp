#include "framework/core/TObject.h"

#include "framework/core/Exception.h"

void TPersistent::Assign(const TPersistent* source) {
    throw EConvertError(
        QStringLiteral("Cannot assign a %1 to a %2")
            .arg(source ? source->ClassName() : QStringLiteral("nil"), ClassName()));
}
