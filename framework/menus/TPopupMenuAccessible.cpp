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
    : IndexedAccessible(window, QAccessible::PopupMenu) {}

QAccessibleInterface* TPopupMenuAccessible::CreateChild(int index) const {
    return new TMenuItemAccessible(Window(), index);
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

QAccessibleInterface* TPopupMenuAccessible::focusChild() const {
    return child(Window()->SelectedIndex());
}
