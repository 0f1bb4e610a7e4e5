// What accessibility tools see of a tool bar's window: a tool bar whose children are its
// buttons in index order (see TToolButtonAccessible).
#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

class TToolBar;

class TToolBarAccessible : public QAccessibleWidget {
public:
    TToolBarAccessible(QWidget* window, TToolBar* bar);
    ~TToolBarAccessible() override;

    // Makes the toolkit create this interface for every tool bar's window; safe to repeat.
    static void Install();

    TToolBar* Bar() const { return bar_; }

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    QPointer<TToolBar> bar_;
    // Button interfaces by index, created on first use and registered with the toolkit, which
    // hands them out by id; this interface unregisters them when it goes.
    mutable std::vector<QAccessible::Id> children_;
};
