#include "framework/controls/TToolButtonAccessible.h"

#include "framework/controls/TToolBar.h"
#include "framework/controls/TToolBarAccessible.h"
#include "framework/core/TApplication.h"
#include "framework/graphics/TTextLayout.h"

#include <QWidget>

TToolButtonAccessible::TToolButtonAccessible(TToolBarAccessible* bar, int index)
    : bar_(bar->Bar()), index_(index) {}

TToolButton* TToolButtonAccessible::Button() const {
    return bar_ && index_ < bar_->ButtonCount() ? bar_->Buttons(index_) : nullptr;
}

bool TToolButtonAccessible::isValid() const {
    return Button() != nullptr;
}

QWindow* TToolButtonAccessible::window() const {
    return bar_ ? bar_->Handle()->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TToolButtonAccessible::parent() const {
    return bar_ ? QAccessible::queryAccessibleInterface(bar_->Handle()) : nullptr;
}

QString TToolButtonAccessible::text(QAccessible::Text t) const {
    const TToolButton* button = Button();
    if (!button || t != QAccessible::Name)
        return {};
    return ResolvePrefixes(button->Caption()).Text;
}

QRect TToolButtonAccessible::rect() const {
    const TToolButton* button = Button();
    if (!button)
        return {};
    const TPoint origin = button->ClientToScreen({0, 0});
    return QRect(origin.X, origin.Y, button->Width(), button->Height());
}

QAccessible::Role TToolButtonAccessible::role() const {
    const TToolButton* button = Button();
    return button && button->MenuItem() ? QAccessible::ButtonMenu : QAccessible::PushButton;
}

QAccessible::State TToolButtonAccessible::state() const {
    QAccessible::State state;
    const TToolButton* button = Button();
    if (!button) {
        state.invalid = true;
        return state;
    }
    state.disabled = !button->Enabled();
    state.invisible = !button->Visible();
    state.hotTracked = button->State().testFlag(TCustomDrawStateFlag::cdsHot);
    state.pressed = button->Down() || button->Dropped();
    state.hasPopup = button->MenuItem() != nullptr;
    return state;
}

QStringList TToolButtonAccessible::actionNames() const {
    const TToolButton* button = Button();
    return button && button->Enabled() ? QStringList{pressAction()} : QStringList{};
}

void TToolButtonAccessible::doAction(const QString& actionName) {
    if (TToolButton* button = Button(); button && button->Enabled() && actionName == pressAction())
        RunGuarded([button] { button->Click(); });
}
