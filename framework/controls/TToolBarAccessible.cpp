#include "framework/controls/TToolBarAccessible.h"

#include "framework/controls/TToolBar.h"
#include "framework/controls/TToolButtonAccessible.h"
#include "framework/core/MessageWindow.h"

namespace {

QAccessibleInterface* CreateInterface(const QString&, QObject* object) {
    auto* window = dynamic_cast<MessageWindowBase*>(object);
    auto* bar = window ? qobject_cast<TToolBar*>(window->Control()) : nullptr;
    return bar ? new TToolBarAccessible(static_cast<QWidget*>(object), bar) : nullptr;
}

} // namespace

TToolBarAccessible::TToolBarAccessible(QWidget* window, TToolBar* bar)
    : IndexedAccessible(window, QAccessible::ToolBar), bar_(bar) {}

QAccessibleInterface* TToolBarAccessible::CreateChild(int index) const {
    return new TToolButtonAccessible(const_cast<TToolBarAccessible*>(this), index);
}

void TToolBarAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(CreateInterface);
        return true;
    }();
    (void)installed;
}

int TToolBarAccessible::childCount() const {
    return bar_ ? bar_->ButtonCount() : 0;
}
