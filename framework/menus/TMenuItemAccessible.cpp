#include "framework/menus/TMenuItemAccessible.h"

#include "framework/menus/TMenuItem.h"
#include "framework/menus/TPopupMenuWindow.h"

TMenuItemAccessible::TMenuItemAccessible(TPopupMenuWindow* window, int row)
    : window_(window), row_(row) {}

bool TMenuItemAccessible::isValid() const {
    return window_ && window_->Item(row_);
}

QWindow* TMenuItemAccessible::window() const {
    return window_ ? window_->windowHandle() : nullptr;
}

QAccessibleInterface* TMenuItemAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(window_.data());
}

QString TMenuItemAccessible::text(QAccessible::Text t) const {
    const TMenuItem* item = window_ ? window_->Item(row_) : nullptr;
    if (!item)
        return {};
    switch (t) {
    case QAccessible::Name:
        if (item->IsLine())
            return {};
        return item->AccessibleName().isEmpty() ? item->DisplayCaption() : item->AccessibleName();
    case QAccessible::Accelerator:
        return ShortCutToText(item->ShortCut());
    default:
        return {};
    }
}

QRect TMenuItemAccessible::rect() const {
    if (!window_)
        return {};
    const QRect local = window_->ItemRect(row_).ToQRect();
    return QRect(window_->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role TMenuItemAccessible::role() const {
    const TMenuItem* item = window_ ? window_->Item(row_) : nullptr;
    return item && item->IsLine() ? QAccessible::Separator : QAccessible::MenuItem;
}

QAccessible::State TMenuItemAccessible::state() const {
    QAccessible::State state;
    const TMenuItem* item = window_ ? window_->Item(row_) : nullptr;
    if (!item) {
        state.invalid = true;
        return state;
    }
    state.disabled = !item->Enabled();
    state.focusable = item->Enabled() && !item->IsLine();
    state.focused = state.selected = window_->SelectedIndex() == row_;
    state.checkable = state.checked = item->Checked();
    state.hasPopup = item->HasSubMenu();
    return state;
}
