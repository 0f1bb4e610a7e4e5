// Looking at the pixels of skin bitmaps.
#pragma once

#include "framework/core/Types.h"
#include "framework/graphics/TBitmap.h"

#include <QByteArray>
#include <QtEndian>

namespace BitmapPixels {

// Fuchsia: the colour the skin leaves out of a picture it draws transparently.
inline constexpr TColor kFuchsia = 0x00FF00FF;

// The frames of the strips the skin cuts: push buttons and title-bar buttons.
inline constexpr int kButtonFrames = 3;
inline constexpr int kTitleButtonFrames = 18;

// The bits per pixel a BMP file's header gives (BITMAPINFOHEADER.biBitCount), 0 when the bytes
// are too short to hold it.
inline int BmpBitCount(const QByteArray& bmp) {
    constexpr int kBitCountOffset = 28;
    return bmp.size() < kBitCountOffset + 2
               ? 0
               : qFromLittleEndian<quint16>(bmp.constData() + kBitCountOffset);
}

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
