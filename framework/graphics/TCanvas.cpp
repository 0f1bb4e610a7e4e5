#include "framework/graphics/TCanvas.h"

#include "framework/graphics/Colors.h"
#include "framework/graphics/DevicePixels.h"
#include "framework/graphics/DrawTextFlags.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TRegion.h"
#include "framework/graphics/TTextLayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr QRgb kRgbMask = 0x00FFFFFF;

TRect Normalized(int l, int t, int r, int b) {
    return {std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)};
}

// The pixels whose four neighbours all belong to the region.
TRegion Eroded(const TRegion& region) {
    TRegion result = region;
    for (const TPoint step : {TPoint{1, 0}, TPoint{-1, 0}, TPoint{0, 1}, TPoint{0, -1}}) {
        TRegion shifted = region;
        shifted.Offset(step.X, step.Y);
        TRegion::CombineRgn(result, result, shifted, RGN_AND);
    }
    return result;
}

// An ARGB copy in which the pixels of one colour are fully transparent and all others opaque.
QImage LeaveOut(const QImage& image, QRgb color) {
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        std::replace_if(
            line, line + masked.width(),
            [color](QRgb pixel) { return (pixel & kRgbMask) == (color & kRgbMask); }, QRgb(0));
    }
    return masked;
}

// Runs `draw(snap)` with the painter drawing in whole device pixels: snap(rect) is where a
// logical rectangle's device pixels lie in the painter's coordinates meanwhile.
template <class Draw> void OnDevicePixels(QPainter& painter, const Draw& draw) {
    const QTransform world = painter.worldTransform();
    const QTransform toDevice = painter.deviceTransform();
    painter.setWorldTransform(QTransform());
    const QTransform fromDevice = painter.deviceTransform().inverted();
    draw([&](const TRect& rect) { return fromDevice.mapRect(QRectF(DeviceRect(rect, toDevice))); });
    painter.setWorldTransform(world);
}

// The rectangles in one brush, on whole device pixels.
void FillOnDevice(QPainter& painter, const std::vector<TRect>& rects, const QBrush& brush) {
    OnDevicePixels(painter, [&](const auto& snap) {
        for (const TRect& r : rects)
            painter.fillRect(snap(r), brush);
    });
}

std::vector<TRect> PixelRects(const QPolygon& points) {
    std::vector<TRect> rects;
    rects.reserve(points.size());
    for (const QPoint& p : points)
        rects.push_back({p.x(), p.y(), p.x() + 1, p.y() + 1});
    return rects;
}

bool IsPlain32Bit(const QImage& image) {
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
}

// The pixels of `area` on the target from the piece, moved by `shift`; with `masked`, only the
// piece's opaque pixels (its others are fully transparent).
void CopyRows(QImage& target, const QRect& area, const QImage& piece, QPoint shift, bool masked) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* to = reinterpret_cast<QRgb*>(target.scanLine(y)) + area.left();
        const auto* from = reinterpret_cast<const QRgb*>(piece.constScanLine(y + shift.y())) +
                           area.left() + shift.x();
        if (!masked) {
            std::copy(from, from + area.width(), to);
            continue;
        }
        for (int x = 0; x < area.width(); ++x)
            if (qAlpha(from[x]) != 0)
                to[x] = from[x] | 0xFF000000u;
    }
}

} // namespace

TCanvas::TCanvas(QImage* image) : image_(image), device_(image) {}

TCanvas::TCanvas(QPaintDevice* device) : device_(device) {}

TCanvas::TCanvas(QPainter* painter) : device_(painter->device()), painter_(painter) {}

void TCanvas::Paint(const std::function<void(QPainter&)>& draw) {
    if (image_ && image_->isNull())
        return;
    const auto exact = [this, &draw](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        if (clip_)
            painter.setClipRect(clip_->ToQRect(), Qt::IntersectClip);
        painter.translate(origin_.X, origin_.Y);
        draw(painter);
    };
    if (painter_) {
        painter_->save();
        exact(*painter_);
        painter_->restore();
        return;
    }
    QPainter painter(device_);
    if (painter.isActive())
        exact(painter);
}

void TCanvas::DrawFocusRect(const TRect& rect) {
    // The dots follow a checkerboard anchored at the origin, as the platform's pattern brush.
    QPolygon dots;
    const auto dot = [&dots](int x, int y) {
        if ((x + y) % 2 == 0)
            dots << QPoint(x, y);
    };
    const int right = rect.Right - 1; // the last column and row inside the rectangle
    const int bottom = rect.Bottom - 1;
    for (int x = rect.Left; x <= right; ++x) {
        dot(x, rect.Top);
        if (bottom > rect.Top)
            dot(x, bottom);
    }
    for (int y = rect.Top + 1; y < bottom; ++y) {
        dot(rect.Left, y);
        if (right > rect.Left)
            dot(right, y);
    }
    // Difference with white inverts colour and keeps the pixel's opacity.
    Paint([&dots](QPainter& painter) {
        painter.setCompositionMode(QPainter::CompositionMode_Difference);
        FillOnDevice(painter, PixelRects(dots), Qt::white);
    });
}

void TCanvas::ResetTools() {
    const TFont fresh;
    font_.Assign(&fresh);
    pen_ = TPen();
    brush_ = TBrush();
    penPos_ = {};
}

void TCanvas::SetClipRect(const TRect& rect) {
    clip_ = Offset(rect, origin_.X, origin_.Y);
}

void TCanvas::FillRect(const TRect& rect) {
    if (brush_.Style() == TBrushStyle::bsClear)
        return;
    FillWithBrush(TRegion::CreateRectRgn(rect.Left, rect.Top, rect.Right, rect.Bottom));
}

void TCanvas::FrameRect(const TRect& rect) {
    if (brush_.Style() == TBrushStyle::bsClear || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    TRegion frame = TRegion::CreateRectRgn(rect.Left, rect.Top, rect.Right, rect.Bottom);
    const TRegion inner =
        TRegion::CreateRectRgn(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
    TRegion::CombineRgn(frame, frame, inner, RGN_DIFF);
    FillWithBrush(frame);
}

void TCanvas::Rectangle(int l, int t, int r, int b) {
    const TRect box = Normalized(l, t, r, b);
    const int shrink = pen_.Style() == TPenStyle::psClear ? 1 : 0;
    DrawShape(TRegion::CreateRectRgn(box.Left, box.Top, box.Right - shrink, box.Bottom - shrink));
}

void TCanvas::RoundRect(int l, int t, int r, int b, int w, int h) {
    const TRect box = Normalized(l, t, r, b);
    // The region leaves out one more column and row than the drawn shape covers.
    const int grow = pen_.Style() == TPenStyle::psClear ? 0 : 1;
    DrawShape(
        TRegion::CreateRoundRectRgn(box.Left, box.Top, box.Right + grow, box.Bottom + grow, w, h));
}

// The pen takes the shape's outermost Width pixels, the brush what lies inside them.
void TCanvas::DrawShape(const TRegion& shape) {
    TRegion interior = shape;
    if (pen_.Style() == TPenStyle::psSolid) {
        for (int ring = 0; ring < pen_.Width(); ++ring)
            interior = Eroded(interior);
        TRegion outline;
        TRegion::CombineRgn(outline, shape, interior, RGN_DIFF);
        FillRegion(outline, pen_.Color());
    }
    if (brush_.Style() == TBrushStyle::bsSolid)
        FillWithBrush(interior);
}

void TCanvas::FillWithBrush(const TRegion& region) {
    if (brush_.Pattern().isNull())
        return FillRegion(region, brush_.Color());
    if (region.IsEmpty())
        return;
    Paint([&](QPainter& painter) {
        // The tiles start at the canvas's origin, as a pattern brush's at the device origin.
        const QPointF tileOrigin = painter.deviceTransform().map(QPointF(0, 0));
        OnDevicePixels(painter, [&](const auto& snap) {
            painter.setBrushOrigin(painter.deviceTransform().inverted().map(tileOrigin));
            const QBrush tiles(brush_.Pattern());
            for (const TRect& r : region.Rects())
                painter.fillRect(snap(r), tiles);
        });
    });
}

void TCanvas::FillRegion(const TRegion& region, TColor color) {
    if (region.IsEmpty())
        return;
    Paint([&](QPainter& painter) { FillOnDevice(painter, region.Rects(), ToQColor(color)); });
}

// Bresenham's walk, stopping before the end point as GDI does; wider pens are stroked with
// flat ends so that they also stop at the end point.
void TCanvas::LineTo(int x, int y) {
    const TPoint from = penPos_;
    penPos_ = {x, y};
    if (pen_.Style() == TPenStyle::psClear)
        return;
    Paint([&](QPainter& painter) {
        const QColor color = ToQColor(pen_.Color());
        if (pen_.Width() > 1) {
            painter.setPen(QPen(color, pen_.Width(), Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(from.X, from.Y, x, y);
            return;
        }
        QPolygon points;
        const int dx = std::abs(x - from.X);
        const int dy = -std::abs(y - from.Y);
        const int sx = from.X < x ? 1 : -1;
        const int sy = from.Y < y ? 1 : -1;
        int err = dx + dy;
        for (TPoint p = from; p != TPoint{x, y};) {
            points << QPoint(p.X, p.Y);
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                p.X += sx;
            }
            if (e2 <= dx) {
                err += dx;
                p.Y += sy;
            }
        }
        FillOnDevice(painter, PixelRects(points), color);
    });
}

double TCanvas::DevicePixelRatio() const {
    if (image_)
        return image_->devicePixelRatio();
    // An open painter knows the surface it really paints on, also when a window's paint is
    // redirected into an image (rendering a window for a picture).
    if (painter_ && painter_->deviceTransform().m11() > 0)
        return painter_->deviceTransform().m11();
    return device_->devicePixelRatio();
}

std::optional<QPoint> TCanvas::ImagePixel(int x, int y) const {
    if (!image_)
        return std::nullopt;
    const double ratio = image_->devicePixelRatio();
    const QPoint p(DeviceEdge(x + origin_.X, ratio), DeviceEdge(y + origin_.Y, ratio));
    return image_->valid(p) ? std::optional(p) : std::nullopt;
}

TColor TCanvas::Pixels(int x, int y) const {
    const std::optional<QPoint> p = ImagePixel(x, y);
    return p ? FromQRgb(image_->pixel(*p)) : clNone;
}

void TCanvas::SetPixels(int x, int y, TColor color) {
    if (image_ && image_->devicePixelRatio() == 1) {
        const std::optional<QPoint> p = ImagePixel(x, y);
        if (p && (!clip_ || clip_->ToQRect().contains(*p)))
            image_->setPixel(*p, ToQRgb(color));
        return;
    }
    // A logical pixel of a high-density surface covers a block of device pixels.
    Paint([&](QPainter& painter) {
        FillOnDevice(painter, {{x, y, x + 1, y + 1}}, ToQColor(color));
    });
}

int TCanvas::TextWidth(const QString& text) const {
    return QFontMetrics(font_.ToQFont()).horizontalAdvance(text);
}

int TCanvas::TextHeight(const QString&) const {
    return QFontMetrics(font_.ToQFont()).height();
}

void TCanvas::TextOut(int x, int y, const QString& text) {
    Paint([&](QPainter& painter) { DrawTextLine(painter, x, y, text, -1); });
    penPos_ = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const QString& text) {
    Paint([&](QPainter& painter) {
        if (brush_.Style() == TBrushStyle::bsSolid)
            painter.fillRect(rect.ToQRect(), ToQColor(brush_.Color()));
        painter.setClipRect(rect.ToQRect());
        DrawTextLine(painter, x, y, text, -1);
    });
}

int TCanvas::DrawText(const QString& text, TRect& rect, unsigned flags) {
    const QFontMetrics metrics(font_.ToQFont());
    const TTextLayout layout(text, metrics, rect.Width(), flags);
    if (flags & DT_CALCRECT) {
        rect.Right = rect.Left + layout.Width();
        rect.Bottom = rect.Top + layout.Height();
        return layout.Height();
    }
    Paint([&](QPainter& painter) {
        if (!(flags & DT_NOCLIP))
            painter.setClipRect(rect.ToQRect());
        int y = AlignedTop(rect, layout.Height(), flags);
        for (const TTextLayout::Line& line : layout.Lines()) {
            DrawTextLine(painter, AlignedX(rect, line.Width, flags), y, line.Text, line.Mnemonic);
            y += layout.LineHeight();
        }
    });
    return layout.Height();
}

int TCanvas::AlignedX(const TRect& rect, int width, unsigned flags) const {
    if (flags & DT_CENTER)
        return rect.Left + (rect.Width() - width) / 2;
    if (flags & DT_RIGHT)
        return rect.Right - width;
    return rect.Left;
}

// Vertical placement applies to single lines only, as in GDI.
int TCanvas::AlignedTop(const TRect& rect, int height, unsigned flags) const {
    if (!(flags & DT_SINGLELINE))
        return rect.Top;
    if (flags & DT_VCENTER)
        return rect.Top + (rect.Height() - height) / 2;
    if (flags & DT_BOTTOM)
        return rect.Bottom - height;
    return rect.Top;
}

// One line with its cell's top-left at (x, y); the mnemonic character, if any, is underlined
// where the font puts its underline.
void TCanvas::DrawTextLine(QPainter& painter, int x, int y, const QString& text, int mnemonic) {
    const QFont font = font_.ToQFont();
    const QFontMetrics metrics(font);
    if (brush_.Style() == TBrushStyle::bsSolid)
        painter.fillRect(x, y, metrics.horizontalAdvance(text), metrics.height(),
                         ToQColor(brush_.Color()));
    const QColor color = ToQColor(font_.Color());
    painter.setFont(font);
    painter.setPen(color);
    const int baseline = y + metrics.ascent();
    painter.drawText(x, baseline, text);
    if (mnemonic < 0)
        return;
    const int left = x + metrics.horizontalAdvance(text.left(mnemonic));
    const int right = x + metrics.horizontalAdvance(text.left(mnemonic + 1));
    painter.fillRect(left, baseline + metrics.underlinePos(), right - left,
                     std::max(1, metrics.lineWidth()), color);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    StretchDraw(Bounds(x, y, bitmap.Width(), bitmap.Height()), bitmap);
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& bitmap) {
    const TRect whole = Bounds(0, 0, bitmap.Width(), bitmap.Height());
    const std::optional<TColor> leaveOut =
        bitmap.Transparent() ? std::optional(bitmap.TransparentColor()) : std::nullopt;
    Blit(dest, bitmap.Image(), whole, leaveOut);
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& srcRect) {
    if (source.image_)
        Blit(dest, *source.image_, Offset(srcRect, source.origin_.X, source.origin_.Y),
             std::nullopt);
}

void TCanvas::DrawImage(int x, int y, const QImage& image) {
    Paint([&](QPainter& painter) { painter.drawImage(x, y, image); });
}

void TCanvas::DrawTransparent(const TRect& dest, const TBitmap& bitmap, const TRect& srcRect,
                              TColor transparentColor) {
    Blit(dest, bitmap.Image(), srcRect, transparentColor);
}

// The source rectangle, optionally without one colour, scaled nearest-neighbour to the device
// pixels the destination covers and drawn onto exactly those, so that no painter transform can
// resample it: on a surface of the source's own density a copy is exact, and artwork enlarged
// for a denser one shows only its own colours.
void TCanvas::Blit(const TRect& dest, const QImage& source, const TRect& srcRect,
                   std::optional<TColor> leaveOut) {
    if (source.isNull() || dest.Width() <= 0 || dest.Height() <= 0 || srcRect.Width() <= 0 ||
        srcRect.Height() <= 0)
        return;
    const QRect from = DeviceRect(srcRect, source.devicePixelRatio());
    if (CopyOntoImage(dest, source, from, leaveOut))
        return;
    QImage piece = source.copy(from);
    if (leaveOut)
        piece = LeaveOut(piece, ToQRgb(*leaveOut));
    Paint([&](QPainter& painter) {
        const QSize onDevice = DeviceRect(dest, painter.deviceTransform()).size();
        if (onDevice.isEmpty())
            return;
        if (piece.size() != onDevice)
            piece = piece.scaled(onDevice, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        OnDevicePixels(painter, [&](const auto& snap) {
            painter.drawImage(snap(dest), piece, QRectF(piece.rect()));
        });
    });
}

// The same copy written straight into a 32-bit image, row by row: an off-screen buffer at a
// high density is large, and the painter's scaled path over it costs a frame's share many
// times over. Answers false, having done nothing, where it does not apply.
bool TCanvas::CopyOntoImage(const TRect& dest, const QImage& source, const QRect& from,
                            std::optional<TColor> leaveOut) {
    // A source with partial transparency is blended, which the painter does.
    if (!image_ || !IsPlain32Bit(*image_) || source.format() != QImage::Format_RGB32 ||
        !source.rect().contains(from))
        return false;
    const double ratio = image_->devicePixelRatio();
    const QRect onImage = DeviceRect(Offset(dest, origin_.X, origin_.Y), ratio);
    QRect visible = onImage.intersected(image_->rect());
    if (clip_)
        visible &= DeviceRect(*clip_, ratio);
    if (visible.isEmpty())
        return true;
    QImage piece = source;
    QPoint at = from.topLeft();
    if (leaveOut || onImage.size() != from.size()) {
        piece = source.copy(from);
        if (leaveOut)
            piece = LeaveOut(piece, ToQRgb(*leaveOut));
        if (piece.size() != onImage.size())
            piece = piece.scaled(onImage.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        at = {0, 0};
    }
    CopyRows(*image_, visible, piece, at - onImage.topLeft(), leaveOut.has_value());
    return true;
}
