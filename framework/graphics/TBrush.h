// The brush a canvas fills areas and text backgrounds with: a colour, or a small bitmap tiled
// as a pattern.
#pragma once

#include "framework/core/Types.h"

#include <QImage>

enum class TBrushStyle { bsSolid, bsClear };

class TBrush {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    // bsClear: shapes keep their interior and text is drawn without a background.
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style) { style_ = style; }
    // A pattern (an 8 x 8 background tile, say) that fills instead of the colour, repeated
    // from the canvas's origin; a null image goes back to the colour. The brush keeps a copy.
    const QImage& Pattern() const { return pattern_; }
    void SetPattern(const QImage& pattern) { pattern_ = pattern; }

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
    QImage pattern_;
};
