// A static text on its parent; sizes itself to its caption unless AutoSize is off. Accessibility
// tools see a label, or a link when a click on it does something, and its caption names the
// control it captions.
#pragma once

#include "framework/controls/TGraphicControl.h"
#include "framework/core/TWinControl.h"

#include <QPointer>

class TLabel : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(TWinControl* FocusControl READ FocusControl WRITE SetFocusControl)
public:
    explicit TLabel(TComponent* AOwner);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    // The control the label captions. The caption shows no accelerator here ("&" is drawn as
    // it stands), so it moves no focus; it names the control for accessibility tools.
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* control);

    // FocusControl when set; else, for a label that does nothing on a click, the windowed
    // control that begins after it on its line (the nearest one to its right whose height
    // spans the label's middle), as forms lay out "Name: [box]".
    TWinControl* CaptionedControl() const override;
    QAccessible::Role AccessibleRole() const override;

protected:
    void Paint(TCanvas& canvas) override;
    void TextChanged() override;
    void FontChanged() override;

private:
    void AdjustBounds();

    bool autoSize_ = true;
    bool transparent_ = false;
    bool wordWrap_ = false;
    QPointer<TWinControl> focusControl_;
};
