// A control without a window (TGraphicControl: a label) as accessibility tools see it, a child of
// its parent's window: the role the control gives, its AccessibleName or else its caption as it
// is drawn, its place on screen, and a press action that clicks it when a click does something.
#pragma once

#include "framework/controls/TGraphicControl.h"
#include "framework/platform/LeafAccessible.h"

#include <QPointer>

class GraphicControlAccessible : public PressableLeafAccessible {
public:
    explicit GraphicControlAccessible(TGraphicControl* control);

    TGraphicControl* Control() const { return control_; }

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
    // The control while it is still on a window.
    TGraphicControl* Shown() const;

    QPointer<TGraphicControl> control_;
};
