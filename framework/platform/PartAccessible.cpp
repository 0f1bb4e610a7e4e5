#include "framework/platform/PartAccessible.h"

#include "framework/core/TAccessibleParts.h"
#include "framework/core/TApplication.h"
#include "framework/core/TWinControl.h"
#include "framework/platform/PartsAccessible.h"

#include <QWidget>

PartAccessible::PartAccessible(const PartsAccessible* owner, int index)
    : control_(owner->Control()), index_(index) {}

TAccessibleParts* PartAccessible::Parts() const {
    auto* parts = dynamic_cast<TAccessibleParts*>(control_.data());
    return parts && index_ < parts->AccessiblePartCount() ? parts : nullptr;
}

bool PartAccessible::isValid() const {
    return Parts() != nullptr;
}

QWindow* PartAccessible::window() const {
    return control_ ? control_->Handle()->window()->windowHandle() : nullptr;
}

QAccessibleInterface* PartAccessible::parent() const {
    return control_ ? QAccessible::queryAccessibleInterface(control_->Handle()) : nullptr;
}

QString PartAccessible::text(QAccessible::Text t) const {
    const TAccessibleParts* parts = Parts();
    return parts && t == QAccessible::Name ? parts->AccessiblePartName(index_) : QString();
}

QRect PartAccessible::rect() const {
    const TAccessibleParts* parts = Parts();
    if (!parts)
        return {};
    const TRect r = parts->AccessiblePartRect(index_);
    const TPoint origin = control_->ClientToScreen({r.Left, r.Top});
    return QRect(origin.X, origin.Y, r.Width(), r.Height());
}

QAccessible::State PartAccessible::state() const {
    QAccessible::State state;
    state.invalid = Parts() == nullptr;
    return state;
}

QStringList PartAccessible::actionNames() const {
    return Parts() ? QStringList{pressAction()} : QStringList{};
}

void PartAccessible::doAction(const QString& actionName) {
    if (TAccessibleParts* parts = Parts(); parts && actionName == pressAction())
        RunGuarded([parts, index = index_] { parts->PressAccessiblePart(index); });
}
