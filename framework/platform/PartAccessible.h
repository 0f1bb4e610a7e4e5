// One named part of a control (see TAccessibleParts) as accessibility tools see it: a push
// button with its name, its place on screen and a press action.
#pragma once

#include "framework/core/TWinControl.h"

#include <QAccessibleInterface>
#include <QPointer>

class PartsAccessible;
class TAccessibleParts;

class PartAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PartAccessible(const PartsAccessible* owner, int index);

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
    QAccessible::Role role() const override { return QAccessible::PushButton; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    // The control's parts while this index is still one of them.
    TAccessibleParts* Parts() const;

    QPointer<TWinControl> control_;
    int index_;
};
