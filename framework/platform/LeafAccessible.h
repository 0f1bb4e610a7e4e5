// What accessibility tools see of a part that has no widget and no parts of its own (a menu
// item, a tool button, a title-bar button): the answers every such leaf gives alike. A leaf that
// can be pressed also answers as an action interface.
#pragma once

#include <QAccessibleInterface>

class LeafAccessible : public QAccessibleInterface {
public:
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
};

class PressableLeafAccessible : public LeafAccessible, public QAccessibleActionInterface {
public:
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};
