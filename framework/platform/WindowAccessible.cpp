#include "framework/platform/WindowAccessible.h"

#include "framework/controls/TGraphicControl.h"
#include "framework/core/MessageWindow.h"
#include "framework/platform/GraphicControlAccessible.h"

#include <QWidget>
#include <algorithm>

namespace {

// Only a window that is a plain widget: the toolkit's own interfaces of edits, memos and grids
// know their contents better.
QAccessibleInterface* CreateInterface(const QString&, QObject* object) {
    auto* window = dynamic_cast<MessageWindowBase*>(object);
    if (!window || !window->Control() || object->metaObject() != &QWidget::staticMetaObject)
        return nullptr;
    return new WindowAccessible(static_cast<QWidget*>(object), window->Control());
}

} // namespace

WindowAccessible::WindowAccessible(QWidget* window, TWinControl* control)
    : QAccessibleWidget(window), control_(control) {}

WindowAccessible::~WindowAccessible() {
    for (const auto& [control, id] : graphic_)
        QAccessible::deleteAccessibleInterface(id);
}

void WindowAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(CreateInterface);
        return true;
    }();
    (void)installed;
}

QAccessible::Role WindowAccessible::role() const {
    return widget()->isWindow() ? QAccessible::Window : QAccessible::Pane;
}

std::vector<TControl*> WindowAccessible::Children() const {
    std::vector<TControl*> children;
    for (int i = 0; control_ && i < control_->ControlCount(); ++i) {
        TControl* child = control_->Controls(i);
        auto* windowed = qobject_cast<TWinControl*>(child);
        const bool inside = windowed ? windowed->HandleAllocated() &&
                                           windowed->Handle()->parentWidget() == widget() &&
                                           !windowed->Handle()->isWindow()
                                     : qobject_cast<TGraphicControl*>(child) != nullptr;
        if (inside)
            children.push_back(child);
    }
    return children;
}

QAccessibleInterface* WindowAccessible::InterfaceOf(TControl* control) const {
    if (auto* windowed = qobject_cast<TWinControl*>(control))
        return QAccessible::queryAccessibleInterface(windowed->Handle());
    QAccessible::Id& id = graphic_[control];
    QAccessibleInterface* existing = id ? QAccessible::accessibleInterface(id) : nullptr;
    // An address may come back for a new control once the old one is gone.
    if (existing && static_cast<GraphicControlAccessible*>(existing)->Control() == control)
        return existing;
    if (id)
        QAccessible::deleteAccessibleInterface(id);
    id = QAccessible::registerAccessibleInterface(
        new GraphicControlAccessible(static_cast<TGraphicControl*>(control)));
    return QAccessible::accessibleInterface(id);
}

int WindowAccessible::childCount() const {
    return static_cast<int>(Children().size());
}

QAccessibleInterface* WindowAccessible::child(int index) const {
    const std::vector<TControl*> children = Children();
    if (index < 0 || index >= static_cast<int>(children.size()))
        return nullptr;
    return InterfaceOf(children[static_cast<std::size_t>(index)]);
}

int WindowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child)
        return -1;
    const std::vector<TControl*> children = Children();
    for (std::size_t i = 0; i < children.size(); ++i) {
        auto* windowed = qobject_cast<TWinControl*>(children[i]);
        const auto* graphic = dynamic_cast<const GraphicControlAccessible*>(child);
        if (windowed ? child->object() == windowed->Handle()
                     : graphic && graphic->Control() == children[i])
            return static_cast<int>(i);
    }
    return -1;
}

QAccessibleInterface* WindowAccessible::childAt(int x, int y) const {
    // Windows lie above the graphic controls drawn on their parent; among each, the last placed
    // lies on top.
    std::vector<TControl*> children = Children();
    std::stable_partition(children.begin(), children.end(),
                          [](const TControl* c) { return !c->IsWindowed(); });
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if (!(*it)->Visible())
            continue;
        QAccessibleInterface* child = InterfaceOf(*it);
        if (child && child->rect().contains(x, y))
            return child;
    }
    return nullptr;
}
