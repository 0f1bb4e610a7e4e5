// Pixel-level helpers for drawing tests on rendered images, shared by every test program.
#pragma once

#include "framework/core/Types.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <functional>
#include <vector>

// The pixel as a colour value (0x00BBGGRR).
TColor PixelAt(const QImage& image, int x, int y);
// Whether two images are equal; for EXPECT_TRUE, which prints no image bytes when they differ.
bool SameImage(const QImage& a, const QImage& b);
// Every point of the image whose colour is the given one, row by row.
std::vector<QPoint> PixelsOfColor(const QImage& image, TColor color);
// Every point where two images of the same size differ.
std::vector<QPoint> Differences(const QImage& a, const QImage& b);
// The smallest rectangle holding every pixel that is not the background; null when none.
QRect InkBounds(const QImage& image, TColor background);
// The points of a w x h area for which the predicate holds, in the order PixelsOfColor uses.
std::vector<QPoint> PointsWhere(int w, int h, const std::function<bool(int x, int y)>& inside);
