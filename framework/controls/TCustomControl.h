// A windowed control that paints itself: Paint draws on Canvas. During a paint Canvas is the
// paint's own; at other times it measures text but shows nothing (a window is drawn only in
// its paint).
#pragma once

#include "framework/core/TWinControl.h"
#include "framework/graphics/TBitmap.h"

class TCustomControl : public TWinControl {
    Q_OBJECT
public:
    using TWinControl::TWinControl;

    TCanvas& Canvas();

protected:
    // Draws the whole control with (0, 0) at its top-left corner.
    virtual void Paint() {}
    void PaintWindow(TCanvas& canvas) final;

private:
    TCanvas* paintCanvas_ = nullptr; // while a paint is delivered
    TBitmap measuring_;
};
