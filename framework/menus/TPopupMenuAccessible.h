// What accessibility tools see of a popup menu window: a popup menu whose children are its
// shown items, each named by its caption without "&" and standing as a menu item or separator.
#pragma once

#include "framework/platform/IndexedAccessible.h"

class TPopupMenuWindow;

class TPopupMenuAccessible : public IndexedAccessible {
public:
    explicit TPopupMenuAccessible(TPopupMenuWindow* window);

    // Makes the toolkit create this interface for every popup menu window; safe to repeat.
    static void Install();
    // Tells accessibility tools that the item at `index` of the window is now selected.
    static void NotifyFocus(TPopupMenuWindow* window, int index);

    int childCount() const override;
    QAccessibleInterface* focusChild() const override;

protected:
    QAccessibleInterface* CreateChild(int index) const override;

private:
    TPopupMenuWindow* Window() const;
};
