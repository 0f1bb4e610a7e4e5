// Painting primitives shared by every piece of skin artwork.
#pragma once

#include "Look.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainterPath>
#include <vector>

namespace art {

// Fuchsia: the colour the skin leaves out when it draws a picture transparently.
inline const QColor kKey{255, 0, 255};

// Glyphs drawn on buttons and small controls.
enum class Glyph : int {
    Menu = 0,
    Help = 1,
    Maximise = 2,
    Restore = 3,
    Minimise = 4,
    Close = 5,
    Check = 6,
    Dot = 7,
    ArrowUp = 8,
    ArrowDown = 9,
    ArrowLeft = 10,
    ArrowRight = 11,
};

QImage NewImage(QSize size, const QColor& colour);
QColor Mix(const QColor& from, const QColor& to, double t);
// The fill's colour at fraction t of the height (0 top, 1 bottom).
QColor FillAt(const Fill& fill, double t);
QLinearGradient Gradient(const Fill& fill, const QRectF& rect);

// The outline of a shape whose outer edge is `rect`; the radius only counts for Rounded.
QPainterPath ShapePath(Shape shape, const QRectF& rect, double radius);

// Paints a face over what `image` already holds inside `rect` (its backdrop): fill, ring and
// a one-pixel border. Keyed, every pixel of the image less than half covered by the shape
// becomes fuchsia, so the edge pixels that stay were blended with the backdrop, never with
// fuchsia. The image is one frame.
void PaintFace(QImage& image, const QRect& rect, Shape shape, int radius, const Face& face,
               bool keyed);

// The same for any outline drawn on pixel centres; the fill runs top to bottom over `span`.
void PaintPathFace(QImage& image, const QPainterPath& edge, const QRectF& span, const Face& face,
                   bool keyed);

// Draws the glyph inside `box` (pixel rectangle, right and bottom exclusive as QRect::width).
void PaintGlyph(QImage& image, Glyph glyph, const QRect& box, const QColor& colour);

// Lays equal-sized frames side by side, frame 1 at the left.
QImage JoinFrames(const std::vector<QImage>& frames);

} // namespace art
