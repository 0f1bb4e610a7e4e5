#include "framework/platform/IndexedAccessible.h"

IndexedAccessible::IndexedAccessible(QWidget* window, QAccessible::Role role)
    : QAccessibleWidget(window, role) {}

IndexedAccessible::~IndexedAccessible() {
    for (QAccessible::Id id : children_)
        if (id)
            QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* IndexedAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    const auto row = static_cast<std::size_t>(index);
    if (children_.size() <= row)
        children_.resize(row + 1, 0);
    if (!children_[row])
        children_[row] = QAccessible::registerAccessibleInterface(CreateChild(index));
    return QAccessible::accessibleInterface(children_[row]);
}

int IndexedAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (std::size_t row = 0; row < children_.size(); ++row)
        if (children_[row] && QAccessible::accessibleInterface(children_[row]) == child)
            return static_cast<int>(row);
    return -1;
}

QAccessibleInterface* IndexedAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface* part = child(i);
        if (part && part->rect().contains(x, y))
            return part;
    }
    return nullptr;
}
