// A control without a window of its own: it draws on its parent's window and receives the mouse
// messages its parent routes to it. Accessibility tools see it as a child of that window (see
// GraphicControlAccessible).
#pragma once

#include "framework/core/TControl.h"

#include <QAccessible>

class TGraphicControl : public TControl {
    Q_OBJECT
public:
    using TControl::TControl;
    void PaintTo(TCanvas& canvas) override { Paint(canvas); }

    // What accessibility tools take the control for.
    virtual QAccessible::Role AccessibleRole() const { return QAccessible::Graphic; }

protected:
    // Draws the control with (0, 0) at its top-left corner.
    virtual void Paint(TCanvas& canvas) = 0;
};
