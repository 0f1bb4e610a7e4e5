// Skinned controls painted for a denser screen, compared with their painting at one device
// pixel per logical pixel: the artwork is enlarged without smoothing, the text drawn sharp.
#pragma once

#include <QImage>
#include <QRegion>

class TWinControl;

// The control's whole face on a surface of `ratio` device pixels per logical pixel.
QImage PaintedAt(TWinControl& control, double ratio);

// The logical pixels where two paintings differ (a text and no text), widened by `margin`.
QRegion Differing(const QImage& a, const QImage& b, int margin);

// The device pixels of `dense` (painted at `ratio`) outside `skip` whose colour is none of
// the colours the logical pixel and its neighbours within `reach` have in `plain`: blended,
// misplaced or left unpainted. Reach 0 asks for the exact enlargement.
int PixelsNotEnlarged(const QImage& plain, const QImage& dense, double ratio, const QRegion& skip,
                      int reach);

// Whether some 2 x 2 block of device pixels of a painting at twice the density, inside the
// logical area, holds two colours: drawn at the full resolution, not enlarged.
bool DrawnSharp(const QImage& dense, const QRegion& area);
