// One named part of a control (see TAccessibleParts) as accessibility tools see it: a push
// button with its name, its place on screen and a press action.
#pragma once

#include "framework/core/TWinControl.h"

#include "framework/platform/LeafAccessible.h"

#include <QAccessibleInterface>
#include <QPointer>

class PartsAccessible;
class TAccessibleParts;

class PartAccessible : public PressableLeafAccessible {
public:
    PartAccessible(const PartsAccessible* owner, int index);

    bool isValid() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::PushButton; }
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    // The control's parts while this index is still one of them.
    TAccessibleParts* Parts() const;

    QPointer<TWinControl> control_;
    int index_;
};
