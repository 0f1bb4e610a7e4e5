// What accessibility tools see of a tool bar's window: a tool bar whose children are its
// buttons in index order (see TToolButtonAccessible).
#pragma once

#include "framework/platform/IndexedAccessible.h"

#include <QPointer>

class TToolBar;

class TToolBarAccessible : public IndexedAccessible {
public:
    TToolBarAccessible(QWidget* window, TToolBar* bar);

    // Makes the toolkit create this interface for every tool bar's window; safe to repeat.
    static void Install();

    TToolBar* Bar() const { return bar_; }

    int childCount() const override;

protected:
    QAccessibleInterface* CreateChild(int index) const override;

private:
    QPointer<TToolBar> bar_;
};
