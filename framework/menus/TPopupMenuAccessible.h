// What accessibility tools see of a popup menu window: a popup menu whose children are its
// shown items, each named by its caption without "&" and standing as a menu item or separator.
#pragma once

#include <QAccessibleWidget>
#include <vector>

class TPopupMenuWindow;

class TPopupMenuAccessible : public QAccessibleWidget {
public:
    explicit TPopupMenuAccessible(TPopupMenuWindow* window);
    ~TPopupMenuAccessible() override;

    // Makes the toolkit create this interface for every popup menu window; safe to repeat.
    static void Install();
    // Tells accessibility tools that the item at `index` of the window is now selected.
    static void NotifyFocus(TPopupMenuWindow* window, int index);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    TPopupMenuWindow* Window() const;

    // Item interfaces by row, created on first use and registered with the toolkit, which
    // hands them out by id; this interface unregisters them when it goes.
    mutable std::vector<QAccessible::Id> children_;
};
