#include "support/ImageCompare.h"

#include "framework/graphics/Colors.h"

TColor PixelAt(const QImage& image, int x, int y) {
    return FromQRgb(image.pixel(x, y));
}

bool SameImage(const QImage& a, const QImage& b) {
    return a == b;
}

std::vector<QPoint> PointsWhere(int w, int h, const std::function<bool(int x, int y)>& inside) {
    std::vector<QPoint> points;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (inside(x, y))
                points.emplace_back(x, y);
    return points;
}

std::vector<QPoint> PixelsOfColor(const QImage& image, TColor color) {
    const QRgb rgb = ToQRgb(color);
    return PointsWhere(image.width(), image.height(),
                       [&](int x, int y) { return image.pixel(x, y) == rgb; });
}

std::vector<QPoint> Differences(const QImage& a, const QImage& b) {
    return PointsWhere(a.width(), a.height(),
                       [&](int x, int y) { return a.pixel(x, y) != b.pixel(x, y); });
}

QRect InkBounds(const QImage& image, TColor background) {
    const QRgb rgb = ToQRgb(background);
    QRect bounds;
    for (const QPoint& p : PointsWhere(image.width(), image.height(),
                                       [&](int x, int y) { return image.pixel(x, y) != rgb; }))
        bounds |= QRect(p, QSize(1, 1));
    return bounds;
}
