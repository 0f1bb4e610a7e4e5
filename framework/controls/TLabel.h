// A static text on its parent; sizes itself to its caption unless AutoSize is off.
#pragma once

#include "framework/controls/TGraphicControl.h"

class TLabel : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
public:
    explicit TLabel(TComponent* AOwner);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);

protected:
    void Paint(TCanvas& canvas) override;
    void TextChanged() override;
    void FontChanged() override;

private:
    void AdjustBounds();

    bool autoSize_ = true;
    bool transparent_ = false;
    bool wordWrap_ = false;
};
