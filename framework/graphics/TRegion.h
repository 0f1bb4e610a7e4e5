// A window region in the form GDI keeps one: non-overlapping rectangles (right and bottom
// exclusive) sorted into horizontal bands, top to bottom and left to right within a band, with
// vertically touching bands of identical spans merged. Two regions covering the same pixels
// therefore have the same rectangle list.
#pragma once

#include "framework/core/Types.h"

#include <QRegion>
#include <vector>

class QWidget;

// CombineRgn modes and results, with Win32's values.
enum : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
enum : int { NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };

class TRegion {
public:
    TRegion() = default;

    // Pixels from (l, t) to (r - 1, b - 1); swapped edges are put in order.
    static TRegion CreateRectRgn(int l, int t, int r, int b);
    // GDI's round-rectangle region: pixels from (l, t) to (r - 2, b - 2), corner ellipses
    // w x h clamped to the box; see the source for the rasterisation rule.
    static TRegion CreateRoundRectRgn(int l, int t, int r, int b, int w, int h);
    // dest := a <mode> b (RGN_COPY takes a); dest may be a or b. Answers NULLREGION,
    // SIMPLEREGION (one rectangle) or COMPLEXREGION.
    static int CombineRgn(TRegion& dest, const TRegion& a, const TRegion& b, int mode);

    bool Contains(int x, int y) const;
    bool IsEmpty() const { return rects_.empty(); }
    const std::vector<TRect>& Rects() const { return rects_; }
    // The smallest rectangle holding every pixel; all zero when empty.
    TRect Bounds() const;
    void Offset(int dx, int dy);
    QRegion ToQRegion() const;
    // Makes the region the widget's mask; an empty region removes the mask.
    void ApplyToWidget(QWidget* widget) const;

    bool operator==(const TRegion&) const = default;

private:
    explicit TRegion(std::vector<TRect> rects) : rects_(std::move(rects)) {}
    int Complexity() const;

    std::vector<TRect> rects_;
};
