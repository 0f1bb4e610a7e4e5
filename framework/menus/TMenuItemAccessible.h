// One shown item of a popup menu window as accessibility tools see it: its AccessibleName or
// else its caption without "&", its shortcut text, its role (menu item or separator) and its
// states.
#pragma once

#include "framework/platform/LeafAccessible.h"

#include <QAccessibleInterface>
#include <QPointer>

class TPopupMenuWindow;

class TMenuItemAccessible : public LeafAccessible {
public:
    TMenuItemAccessible(TPopupMenuWindow* window, int row);

    bool isValid() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    QPointer<TPopupMenuWindow> window_;
    int row_;
};
