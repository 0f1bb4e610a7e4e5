// The pen a canvas draws outlines and lines with.
#pragma once

#include "framework/core/Types.h"

enum class TPenStyle { psSolid, psClear };

class TPen {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    // Pixels; outlines of wider pens grow inwards from the shape's edge.
    int Width() const { return width_; }
    void SetWidth(int width) { width_ = width < 1 ? 1 : width; }
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style) { style_ = style; }

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = TPenStyle::psSolid;
};
