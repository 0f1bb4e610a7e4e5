#include "framework/menus/TPopupMenuAccessible.h"

#include "framework/menus/TMenuItemAccessible.h"
#include "framework/menus/TPopupMenuWindow.h"

namespace {

QAccessibleInterface* CreateInterface(const QString&, QObject* object) {
    auto* window = qobject_cast<TPopupMenuWindow*>(object);
    return window ? new TPopupMenuAccessible(window) : nullptr;
}

} // namespace

TPopupMenuAccessible::TPopupMenuAccessible(TPopupMenuWindow* window)
    : QAccessibleWidget(window, QAccessible::PopupMenu) {}

TPopupMenuAccessible::~TPopupMenuAccessible() {
    for (QAccessible::Id id : children_)
        if (id)
            QAccessible::deleteAccessibleInterface(id);
}

void TPopupMenuAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(CreateInterface);
        return true;
    }();
    (void)installed;
}

void TPopupMenuAccessible::NotifyFocus(TPopupMenuWindow* window, int index) {
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(window);
    if (QAccessibleInterface* item = menu ? menu->child(index) : nullptr) {
        QAccessibleEvent event(item, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

TPopupMenuWindow* TPopupMenuAccessible::Window() const {
    return static_cast<TPopupMenuWindow*>(widget());
}

int TPopupMenuAccessible::childCount() const {
    return Window()->ItemCount();
}

QAccessibleInterface* TPopupMenuAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    const auto row = static_cast<std::size_t>(index);
    if (children_.size() <= row)
        children_.resize(row + 1, 0);
    if (!children_[row])
        children_[row] =
            QAccessible::registerAccessibleInterface(new TMenuItemAccessible(Window(), index));
    return QAccessible::accessibleInterface(children_[row]);
}

int TPopupMenuAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (std::size_t row = 0; row < children_.size(); ++row)
        if (children_[row] && QAccessible::accessibleInterface(children_[row]) == child)
            return static_cast<int>(row);
    return -1;
}

QAccessibleInterface* TPopupMenuAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface* item = child(i);
        if (item && item->rect().contains(x, y))
            return item;
    }
    return nullptr;
}

QAccessibleInterface* TPopupMenuAccessible::focusChild() const {
    return child(Window()->SelectedIndex());
}
