#include "skin/support/HighDensity.h"

#include "framework/core/TWinControl.h"
#include "framework/graphics/TCanvas.h"

#include <QtMath>

namespace {

// The logical pixel a device pixel belongs to: the one whose device edges enclose it.
int LogicalOf(int device, double ratio) {
    int logical = qFloor(device / ratio);
    while (qRound((logical + 1) * ratio) <= device)
        ++logical;
    while (logical > 0 && qRound(logical * ratio) > device)
        --logical;
    return logical;
}

bool NearbyColour(const QImage& plain, int x, int y, int reach, QRgb colour) {
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (plain.valid(x + dx, y + dy) && plain.pixel(x + dx, y + dy) == colour)
                return true;
    return false;
}

} // namespace

QImage PaintedAt(TWinControl& control, double ratio) {
    QImage surface(qRound(control.Width() * ratio), qRound(control.Height() * ratio),
                   QImage::Format_RGB32);
    surface.setDevicePixelRatio(ratio);
    surface.fill(Qt::white);
    TCanvas canvas(&surface);
    control.PaintWindowInto(canvas);
    return surface;
}

QRegion Differing(const QImage& a, const QImage& b, int margin) {
    QRegion region;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                region += QRect(x - margin, y - margin, 2 * margin + 1, 2 * margin + 1);
    return region;
}

int PixelsNotEnlarged(const QImage& plain, const QImage& dense, double ratio, const QRegion& skip,
                      int reach) {
    int wrong = 0;
    for (int dy = 0; dy < dense.height(); ++dy)
        for (int dx = 0; dx < dense.width(); ++dx) {
            const int x = LogicalOf(dx, ratio);
            const int y = LogicalOf(dy, ratio);
            if (!skip.contains(QPoint(x, y)) &&
                !NearbyColour(plain, x, y, reach, dense.pixel(dx, dy)))
                ++wrong;
        }
    return wrong;
}

bool DrawnSharp(const QImage& dense, const QRegion& area) {
    for (const QRect& r : area)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                if (!dense.valid(2 * x + 1, 2 * y + 1) || x < 0 || y < 0)
                    continue;
                const QRgb c = dense.pixel(2 * x, 2 * y);
                if (dense.pixel(2 * x + 1, 2 * y) != c || dense.pixel(2 * x, 2 * y + 1) != c ||
                    dense.pixel(2 * x + 1, 2 * y + 1) != c)
                    return true;
            }
    return false;
}
