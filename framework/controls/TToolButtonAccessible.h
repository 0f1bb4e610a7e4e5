// One button of a tool bar as accessibility tools see it: its caption without "&", its role (a
// menu button when it drops a menu down, else a push button), its states, and a press action
// that clicks it.
#pragma once

#include "framework/platform/LeafAccessible.h"

#include <QAccessibleInterface>
#include <QPointer>

class TToolBar;
class TToolBarAccessible;
class TToolButton;

class TToolButtonAccessible : public PressableLeafAccessible {
public:
    TToolButtonAccessible(TToolBarAccessible* bar, int index);

    bool isValid() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    TToolButton* Button() const;

    QPointer<TToolBar> bar_;
    int index_;
};
