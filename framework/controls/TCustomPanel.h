// A container that paints itself: a face in its colour, optional bevels and a centred caption.
#pragma once

#include "framework/core/TWinControl.h"

class TCustomPanel : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(Framework::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(Framework::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(Framework::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
public:
    explicit TCustomPanel(TComponent* AOwner);

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut v);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut v);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);

protected:
    void PaintWindow(TCanvas& canvas) override;
    bool TakesFocusOnClick() const override { return false; }

private:
    // Draws one bevel along the rectangle's edge and moves the rectangle inside it.
    static void PaintBevel(TCanvas& canvas, TRect& rect, TBevelCut cut);

    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    TBorderStyle borderStyle_ = TBorderStyle::bsNone;
};
