#include "Paint.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QPen>
#include <algorithm>
#include <cassert>
#include <cmath>

namespace art {
namespace {

// Coverage below this share of a pixel counts as outside a keyed shape.
constexpr int kHalfCovered = 128;

void Smooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
}

void KeyOutside(QImage& image, const QPainterPath& outline) {
    QImage coverage(image.size(), QImage::Format_ARGB32_Premultiplied);
    coverage.fill(Qt::transparent);
    {
        QPainter painter(&coverage);
        Smooth(painter);
        painter.fillPath(outline, Qt::black);
    }
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(coverage.pixel(x, y)) < kHalfCovered)
                image.setPixelColor(x, y, kKey);
}

void Bar(QPainter& painter, int x, int y, int w, int h, const QColor& colour) {
    painter.fillRect(QRect(x, y, w, h), colour);
}

void WindowOutline(QPainter& painter, const QRect& r, const QColor& colour) {
    Bar(painter, r.x(), r.y(), r.width(), 2, colour); // a window glyph has a thick caption
    Bar(painter, r.x(), r.y(), 1, r.height(), colour);
    Bar(painter, r.x() + r.width() - 1, r.y(), 1, r.height(), colour);
    Bar(painter, r.x(), r.y() + r.height() - 1, r.width(), 1, colour);
}

void PaintRestore(QPainter& painter, const QRect& box, const QColor& colour) {
    const int d = std::max(2, box.width() / 3);
    const QRect back(box.x() + d, box.y(), box.width() - d, box.height() - d);
    const QRect front(box.x(), box.y() + d, box.width() - d, box.height() - d);
    // Only the parts of the back window that the front one does not hide.
    Bar(painter, back.x(), back.y(), back.width(), 2, colour);
    Bar(painter, back.x() + back.width() - 1, back.y(), 1, back.height(), colour);
    Bar(painter, front.x() + front.width(), back.y() + back.height() - 1,
        back.x() + back.width() - front.x() - front.width(), 1, colour);
    Bar(painter, back.x(), back.y(), 1, front.y() - back.y(), colour);
    WindowOutline(painter, front, colour);
}

void PaintHelp(QPainter& painter, const QRectF& box, const QColor& colour) {
    const double pen = std::max(1.6, box.width() / 5.0);
    const double r = box.width() * 0.3;
    const QRectF bowl(box.center().x() - r, box.top() + pen / 2, 2 * r, 2 * r);
    QPainterPath hook;
    hook.arcMoveTo(bowl, 165);
    hook.arcTo(bowl, 165, -255);
    hook.lineTo(box.center().x(), box.top() + box.height() * 0.68);
    painter.setPen(QPen(colour, pen, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const double dot = pen * 1.1;
    painter.drawEllipse(QRectF(box.center().x() - dot / 2, box.bottom() - dot, dot, dot));
}

void PaintArrow(QPainter& painter, const QRectF& box, Glyph glyph, const QColor& colour) {
    const double l = box.left(), t = box.top(), r = box.right(), b = box.bottom();
    const QPointF c = box.center();
    QPolygonF tip;
    switch (glyph) {
    case Glyph::ArrowUp:
        tip << QPointF(l, b) << QPointF(r, b) << QPointF(c.x(), t);
        break;
    case Glyph::ArrowDown:
        tip << QPointF(l, t) << QPointF(r, t) << QPointF(c.x(), b);
        break;
    case Glyph::ArrowLeft:
        tip << QPointF(r, t) << QPointF(r, b) << QPointF(l, c.y());
        break;
    default:
        tip << QPointF(l, t) << QPointF(l, b) << QPointF(r, c.y());
        break;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(tip);
}

void PaintStroked(QPainter& painter, const QPolygonF& line, double pen, const QColor& colour) {
    painter.setPen(QPen(colour, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolyline(line);
}

} // namespace

QImage NewImage(QSize size, const QColor& colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QColor Mix(const QColor& from, const QColor& to, double t) {
    const auto lerp = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
    return QColor(lerp(from.red(), to.red()), lerp(from.green(), to.green()),
                  lerp(from.blue(), to.blue()), lerp(from.alpha(), to.alpha()));
}

QColor FillAt(const Fill& fill, double t) {
    if (fill.split <= 0.0)
        return Mix(fill.top, fill.bottom, t);
    if (t < fill.split)
        return Mix(fill.top, fill.upper, t / fill.split);
    return Mix(fill.lower, fill.bottom, (t - fill.split) / (1.0 - fill.split));
}

QLinearGradient Gradient(const Fill& fill, const QRectF& rect) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, fill.top);
    if (fill.split > 0.0) {
        gradient.setColorAt(fill.split - 0.001, fill.upper);
        gradient.setColorAt(fill.split, fill.lower);
    }
    gradient.setColorAt(1.0, fill.bottom);
    return gradient;
}

QPainterPath ShapePath(Shape shape, const QRectF& rect, double radius) {
    QPainterPath path;
    switch (shape) {
    case Shape::Square:
        path.addRect(rect);
        break;
    case Shape::Rounded:
        path.addRoundedRect(rect, radius, radius);
        break;
    case Shape::Circle:
        path.addEllipse(rect);
        break;
    }
    return path;
}

void PaintPathFace(QImage& image, const QPainterPath& edge, const QRectF& span, const Face& face,
                   bool keyed) {
    {
        QPainter painter(&image);
        Smooth(painter);
        painter.fillPath(edge, Gradient(face.fill, span));
        painter.setPen(QPen(face.border, 1.0));
        painter.drawPath(edge);
    }
    if (keyed) {
        // The border stroke reaches half a pixel past the edge path.
        QPainterPathStroker stroker;
        stroker.setWidth(1.0);
        KeyOutside(image, (stroker.createStroke(edge) + edge).simplified());
    }
}

void PaintFace(QImage& image, const QRect& rect, Shape shape, int radius, const Face& face,
               bool keyed) {
    // Strokes run on pixel centres, so the border is one crisp pixel on straight runs.
    const QRectF edge = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    PaintPathFace(image, ShapePath(shape, edge, radius), QRectF(rect), face, false);
    if (face.ring.isValid()) {
        QPainter painter(&image);
        Smooth(painter);
        painter.setPen(QPen(face.ring, 1.6));
        painter.drawPath(
            ShapePath(shape, edge.adjusted(1.3, 1.3, -1.3, -1.3), std::max(0, radius - 1)));
    }
    if (keyed)
        KeyOutside(image, ShapePath(shape, QRectF(rect), radius + 0.5));
}

void PaintGlyph(QImage& image, Glyph glyph, const QRect& box, const QColor& colour) {
    QPainter painter(&image);
    Smooth(painter);
    const QRectF soft(box);
    const double pen = std::max(1.6, box.width() / 4.5);
    switch (glyph) {
    case Glyph::Menu:
        PaintArrow(painter, soft.adjusted(0, box.height() * 0.25, 0, -box.height() * 0.2),
                   Glyph::ArrowDown, colour);
        break;
    case Glyph::Help:
        PaintHelp(painter, soft, colour);
        break;
    case Glyph::Maximise:
        WindowOutline(painter, box, colour);
        break;
    case Glyph::Restore:
        PaintRestore(painter, box, colour);
        break;
    case Glyph::Minimise:
        Bar(painter, box.x(), box.y() + box.height() - 2, box.width(), 2, colour);
        break;
    case Glyph::Close: {
        const QRectF x = soft.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
        painter.setPen(QPen(colour, pen, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(x.topLeft(), x.bottomRight());
        painter.drawLine(x.topRight(), x.bottomLeft());
        break;
    }
    case Glyph::Check: {
        const double w = soft.width(), h = soft.height();
        const QPolygonF tick{QPointF(soft.left() + w * 0.08, soft.top() + h * 0.5),
                             QPointF(soft.left() + w * 0.4, soft.top() + h * 0.82),
                             QPointF(soft.right() - w * 0.08, soft.top() + h * 0.12)};
        PaintStroked(painter, tick, pen * 0.9, colour);
        break;
    }
    case Glyph::Dot:
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(soft);
        break;
    case Glyph::ArrowUp:
    case Glyph::ArrowDown:
    case Glyph::ArrowLeft:
    case Glyph::ArrowRight:
        PaintArrow(painter, soft, glyph, colour);
        break;
    }
}

QImage JoinFrames(const std::vector<QImage>& frames) {
    assert(!frames.empty());
    const QSize frame = frames.front().size();
    QImage strip(frame.width() * static_cast<int>(frames.size()), frame.height(),
                 QImage::Format_RGB32);
    QPainter painter(&strip);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        assert(frames[i].size() == frame);
        painter.drawImage(frame.width() * static_cast<int>(i), 0, frames[i]);
    }
    return strip;
}

} // namespace art
