#include "framework/platform/PartsAccessible.h"

#include "framework/core/MessageWindow.h"
#include "framework/core/TAccessibleParts.h"
#include "framework/platform/PartAccessible.h"

namespace {

QAccessibleInterface* CreateInterface(const QString&, QObject* object) {
    auto* window = dynamic_cast<MessageWindowBase*>(object);
    TWinControl* control = window ? window->Control() : nullptr;
    return dynamic_cast<TAccessibleParts*>(control)
               ? new PartsAccessible(static_cast<QWidget*>(object), control)
               : nullptr;
}

} // namespace

PartsAccessible::PartsAccessible(QWidget* window, TWinControl* control)
    : IndexedAccessible(window, QAccessible::Grouping), control_(control) {}

void PartsAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(CreateInterface);
        return true;
    }();
    (void)installed;
}

TAccessibleParts* PartsAccessible::Parts() const {
    return dynamic_cast<TAccessibleParts*>(control_.data());
}

int PartsAccessible::childCount() const {
    const TAccessibleParts* parts = Parts();
    return parts ? parts->AccessiblePartCount() : 0;
}

QAccessibleInterface* PartsAccessible::CreateChild(int index) const {
    return new PartAccessible(this, index);
}
