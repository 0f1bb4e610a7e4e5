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
    : QAccessibleWidget(window, QAccessible::ToolBar), bar_(bar) {}

TToolBarAccessible::~TToolBarAccessible() {
    for (QAccessible::Id id : children_)
        if (id)
            QAccessible::deleteAccessibleInterface(id);
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

QAccessibleInterface* TToolBarAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    const auto row = static_cast<std::size_t>(index);
    if (children_.size() <= row)
        children_.resize(row + 1, 0);
    if (!children_[row])
        children_[row] = QAccessible::registerAccessibleInterface(
            new TToolButtonAccessible(const_cast<TToolBarAccessible*>(this), index));
    return QAccessible::accessibleInterface(children_[row]);
}

int TToolBarAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (std::size_t row = 0; row < children_.size(); ++row)
        if (children_[row] && QAccessible::accessibleInterface(children_[row]) == child)
            return static_cast<int>(row);
    return -1;
}

QAccessibleInterface* TToolBarAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface* button = child(i);
        if (button && button->rect().contains(x, y))
            return button;
    }
    return nullptr;
}
