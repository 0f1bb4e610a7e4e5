// Looking at the pixels of skin bitmaps.
#pragma once

#include "framework/core/Types.h"
#include "framework/graphics/TBitmap.h"

namespace BitmapPixels {

// Fuchsia: the colour the skin leaves out of a picture it draws transparently.
inline constexpr TColor kFuchsia = 0x00FF00FF;

// Whether the colour occurs in the rectangle of the bitmap, right and bottom exclusive.
inline bool AnyPixel(const TBitmap& b, int left, int top, int right, int bottom, TColor colour) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (b.Pixels(x, y) == colour)
                return true;
    return false;
}

// How many pixels differ between frames `first` and `second` (from 0) of a strip.
inline int DifferingPixels(const TBitmap& b, int frameWidth, int first, int second) {
    int count = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < frameWidth; ++x)
            count += b.Pixels(frameWidth * first + x, y) != b.Pixels(frameWidth * second + x, y);
    return count;
}

} // namespace BitmapPixels
