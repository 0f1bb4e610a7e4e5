// One button of a tool bar as accessibility tools see it: its caption without "&", its role (a
// menu button when it drops a menu down, else a push button), its states, and a press action
// that clicks it.
#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class TToolBar;
class TToolBarAccessible;
class TToolButton;

class TToolButtonAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TToolButtonAccessible(TToolBarAccessible* bar, int index);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    TToolButton* Button() const;

    QPointer<TToolBar> bar_;
    int index_;
};
