// Conversions between the framework's colour values (0x00BBGGRR, or 0xFF000000 | index for a
// system colour) and the toolkit's colours.
#pragma once

#include "framework/core/Types.h"

#include <QColor>

// The fixed 0x00BBGGRR value of a colour: system colours resolve through the application's
// palette; every other value comes back unchanged.
TColor ColorToRGB(TColor color);

// The opaque toolkit colour of a colour value, system colours resolved.
QColor ToQColor(TColor color);
QRgb ToQRgb(TColor color);

// 0x00BBGGRR from a toolkit colour; the alpha channel is dropped.
TColor FromQColor(const QColor& color);
TColor FromQRgb(QRgb rgb);
