// What accessibility tools see of a window whose parts have no widgets of their own (the items
// of a popup menu, the buttons of a tool bar): children by index, each interface made on first
// use by the derived class and registered with the toolkit, which hands it out by id.
#pragma once

#include <QAccessibleWidget>
#include <vector>

class IndexedAccessible : public QAccessibleWidget {
public:
    IndexedAccessible(QWidget* window, QAccessible::Role role);
    // Unregisters the children it made.
    ~IndexedAccessible() override;

    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

protected:
    // The interface of the part at `index`, a valid index below childCount().
    virtual QAccessibleInterface* CreateChild(int index) const = 0;

private:
    mutable std::vector<QAccessible::Id> children_;
};
