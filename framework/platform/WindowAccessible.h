// What accessibility tools see of a control window that the framework paints itself (a plain
// toolkit widget: a form, a panel): a frame for a top-level window, a panel inside one, whose
// children are its controls in the order they were placed on it, the windowed ones through their
// own windows and the graphic ones (labels), which have no window, as GraphicControlAccessible.
// Windows whose control has an interface of its own (push buttons, tool bars, title bars) keep
// it: their factories are installed later and so asked first.
#pragma once

#include "framework/core/TWinControl.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <map>

class WindowAccessible : public QAccessibleWidget {
public:
    WindowAccessible(QWidget* window, TWinControl* control);
    // Unregisters the interfaces it made for graphic controls.
    ~WindowAccessible() override;

    // Makes the toolkit create this interface for such windows; safe to repeat. The first
    // windowed control calls it, before any class installs a factory of its own.
    static void Install();

    QAccessible::Role role() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    // The controls that are children: graphic ones, and windowed ones whose window is inside
    // this one.
    std::vector<TControl*> Children() const;
    QAccessibleInterface* InterfaceOf(TControl* control) const;

    QPointer<TWinControl> control_;
    mutable std::map<const TControl*, QAccessible::Id> graphic_; // made on first use
};
