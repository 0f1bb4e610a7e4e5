// A control without a window of its own: it draws on its parent's window and receives the mouse
// messages its parent routes to it.
#pragma once

#include "framework/core/TControl.h"

class TGraphicControl : public TControl {
    Q_OBJECT
public:
    using TControl::TControl;
    void PaintTo(TCanvas& canvas) override { Paint(canvas); }

protected:
    // Draws the control with (0, 0) at its top-left corner.
    virtual void Paint(TCanvas& canvas) = 0;
};
