// The program icon MAINICON: a glossy blue message bubble with lines of text and a red heart.
#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

namespace art {

struct IconImage {
    int size;         // square, in pixels
    int bitsPerPixel; // 4 or 8: palettised, with a one-bit transparency mask
};

// The window icon's images, in the order the file holds them.
const std::vector<IconImage>& MainIconImages();
// The sizes the desktop's icon theme takes the program icon in, each drawn at its size.
const std::vector<int>& DesktopIconSizes();

// Drawn at `size` pixels on a transparent background (ARGB32); `flat` keeps to the colours
// of a 16-colour palette.
QImage PaintIcon(int size, bool flat);

// An .ico file of the given images, each quantised to its palette without dithering.
QByteArray EncodeIco(const std::vector<IconImage>& images);

} // namespace art
