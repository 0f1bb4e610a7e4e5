// Logical pixels to device pixels on a high-density surface. Each edge is rounded on its own,
// so rectangles that share an edge share it on the device too: no seam, no overlap.
#pragma once

#include "framework/core/Types.h"

#include <QRect>
#include <QTransform>
#include <QtGlobal>

inline int DeviceEdge(double logical, double ratio) {
    return qRound(logical * ratio);
}

// The device pixels a logical rectangle covers under a painter's device transform (a
// translation and a uniform scale).
inline QRect DeviceRect(const TRect& rect, const QTransform& toDevice) {
    const QPointF topLeft = toDevice.map(QPointF(rect.Left, rect.Top));
    const QPointF bottomRight = toDevice.map(QPointF(rect.Right, rect.Bottom));
    const int left = qRound(topLeft.x());
    const int top = qRound(topLeft.y());
    return {left, top, qRound(bottomRight.x()) - left, qRound(bottomRight.y()) - top};
}

// The device pixels a logical rectangle covers on a surface of `ratio` device pixels each.
inline QRect DeviceRect(const TRect& rect, double ratio) {
    return DeviceRect(rect, QTransform::fromScale(ratio, ratio));
}
