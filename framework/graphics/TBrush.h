// The brush a canvas fills areas and text backgrounds with.
#pragma once

#include "framework/core/Types.h"

enum class TBrushStyle { bsSolid, bsClear };

class TBrush {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    // bsClear: shapes keep their interior and text is drawn without a background.
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style) { style_ = style; }

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
};
