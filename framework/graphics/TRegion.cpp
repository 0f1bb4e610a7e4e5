#include "framework/graphics/TRegion.h"

#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// A run of pixels in one band, right exclusive.
struct Span {
    int Left;
    int Right;
    bool operator==(const Span&) const = default;
};
using Spans = std::vector<Span>;

// Appends one band, merging it into the band above when that one ends where this one starts
// and has the same spans, which keeps the rectangle list canonical.
void AppendBand(std::vector<TRect>& rects, int top, int bottom, const Spans& spans) {
    Spans kept;
    std::copy_if(spans.begin(), spans.end(), std::back_inserter(kept),
                 [](const Span& s) { return s.Left < s.Right; });
    if (kept.empty() || top >= bottom)
        return;
    auto previous = rects.end();
    while (previous != rects.begin() && std::prev(previous)->Top == rects.back().Top)
        --previous;
    const bool touches = !rects.empty() && rects.back().Bottom == top;
    const bool sameSpans = std::equal(
        previous, rects.end(), kept.begin(), kept.end(),
        [](const TRect& r, const Span& s) { return r.Left == s.Left && r.Right == s.Right; });
    if (touches && sameSpans) {
        std::for_each(previous, rects.end(), [bottom](TRect& r) { r.Bottom = bottom; });
        return;
    }
    for (const Span& s : kept)
        rects.push_back({s.Left, top, s.Right, bottom});
}

Spans SpansAt(const std::vector<TRect>& rects, int y) {
    Spans spans;
    for (const TRect& r : rects)
        if (r.Top <= y && y < r.Bottom)
            spans.push_back({r.Left, r.Right});
    return spans;
}

bool Covers(const Spans& spans, int x) {
    return std::any_of(spans.begin(), spans.end(),
                       [x](const Span& s) { return s.Left <= x && x < s.Right; });
}

bool Apply(int mode, bool inA, bool inB) {
    switch (mode) {
    case RGN_AND:
        return inA && inB;
    case RGN_OR:
        return inA || inB;
    case RGN_XOR:
        return inA != inB;
    case RGN_DIFF:
        return inA && !inB;
    default:
        return inA;
    }
}

// Sweeps the x edges of both span lists and keeps the pieces the mode selects.
Spans CombineSpans(const Spans& a, const Spans& b, int mode) {
    std::vector<int> xs;
    for (const Spans* spans : {&a, &b})
        for (const Span& s : *spans) {
            xs.push_back(s.Left);
            xs.push_back(s.Right);
        }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    Spans out;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        if (!Apply(mode, Covers(a, xs[i]), Covers(b, xs[i])))
            continue;
        if (!out.empty() && out.back().Right == xs[i])
            out.back().Right = xs[i + 1];
        else
            out.push_back({xs[i], xs[i + 1]});
    }
    return out;
}

// Horizontal inset of each row of a w x h corner ellipse (w, h >= 2), index 0 being the
// outermost (top) row of the top corners; index h/2 and beyond belong to the lower half.
//
// GDI walks one quadrant of the ellipse with Alois Zingl's integer Bresenham variant for an
// ellipse inscribed in a (w - 1) x (h - 1) box, starting at the middle row (inset 0) and
// stepping outwards. Each step first moves x inwards when 2*err >= dx, then moves y outwards
// when 2*err <= dy, and a row receives the inset x has reached when the walk enters it. The
// walk stops once x passes w/2. The lower rows are those insets; the upper rows mirror them
// (row i takes row h-1-i), so for odd h the middle row belongs to the lower half only.
//
// Worked example, w = h = 11 (a = b = 10): dx = -3600, dy = 400, err = -3200 at row 5.
//   2err = -6400: y -> row 6, inset 0      2err = -4000: y -> row 7, inset 0
//   2err =     0: x -> 1, y -> row 8, inset 1
//   2err =     0: x -> 2, y -> row 9, inset 2
//   2err =  3200: x -> 3, y -> row 10, inset 3
//   then only x moves until it passes 5.
// Rows 0..10 get insets 3 2 1 0 0 | 0 0 0 1 2 3: an 11-pixel corner loses 3, 2 and 1 pixels
// in its three outermost rows.
std::vector<int> CornerInsets(int w, int h) {
    const std::int64_t a = w - 1;
    const std::int64_t b = h - 1;
    const std::int64_t xStep = 8 * b * b;
    const std::int64_t yStep = 8 * a * a;
    std::int64_t dx = 4 * b * b * (1 - a);
    std::int64_t dy = 4 * a * a * (1 + b % 2);
    std::int64_t err = dx + dy + a * a * (b % 2);

    std::vector<int> insets(static_cast<std::size_t>(h), -1);
    int x = 0;
    int y = h / 2;
    insets[static_cast<std::size_t>(y)] = 0;
    while (x <= w / 2) {
        const std::int64_t e2 = 2 * err;
        if (e2 >= dx) {
            ++x;
            err += dx += xStep;
        }
        if (e2 <= dy) {
            ++y;
            err += dy += yStep;
            if (y < h)
                insets[static_cast<std::size_t>(y)] = x;
        }
    }
    // Very narrow ellipses can end the walk before the outermost rows; they keep the last
    // inset reached, continuing the vertical edge.
    for (int row = h / 2 + 1; row < h; ++row)
        if (insets[static_cast<std::size_t>(row)] < 0)
            insets[static_cast<std::size_t>(row)] = insets[static_cast<std::size_t>(row - 1)];
    for (int row = 0; row < h / 2; ++row)
        insets[static_cast<std::size_t>(row)] = insets[static_cast<std::size_t>(h - 1 - row)];
    return insets;
}

} // namespace

TRegion TRegion::CreateRectRgn(int l, int t, int r, int b) {
    std::vector<TRect> rects;
    AppendBand(rects, std::min(t, b), std::max(t, b), {{std::min(l, r), std::max(l, r)}});
    return TRegion(std::move(rects));
}

TRegion TRegion::CreateRoundRectRgn(int l, int t, int r, int b, int w, int h) {
    const int left = std::min(l, r);
    const int top = std::min(t, b);
    // GDI leaves out the last column and row of the box (one more than a rectangle region).
    const int right = std::max(l, r) - 1;
    const int bottom = std::max(t, b) - 1;
    const int ew = std::min(right - left, std::abs(w));
    const int eh = std::min(bottom - top, std::abs(h));
    if (ew < 2 || eh < 2)
        return CreateRectRgn(left, top, right, bottom);

    const std::vector<int> insets = CornerInsets(ew, eh);
    const auto rowSpan = [&](int row) {
        const int inset = insets[static_cast<std::size_t>(row)];
        return Spans{{left + inset, right - inset}};
    };
    std::vector<TRect> rects;
    const int half = eh / 2;
    for (int row = 0; row < half; ++row)
        AppendBand(rects, top + row, top + row + 1, rowSpan(row));
    // The lower corner rows sit on the bottom edge: row k at y = bottom - eh + k.
    AppendBand(rects, top + half, bottom - eh + half + 1, rowSpan(half));
    for (int row = half + 1; row < eh; ++row)
        AppendBand(rects, bottom - eh + row, bottom - eh + row + 1, rowSpan(row));
    return TRegion(std::move(rects));
}

int TRegion::CombineRgn(TRegion& dest, const TRegion& a, const TRegion& b, int mode) {
    if (mode == RGN_COPY) {
        dest = a;
        return dest.Complexity();
    }
    std::vector<int> ys;
    for (const TRegion* region : {&a, &b})
        for (const TRect& r : region->rects_) {
            ys.push_back(r.Top);
            ys.push_back(r.Bottom);
        }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    std::vector<TRect> rects;
    for (std::size_t i = 0; i + 1 < ys.size(); ++i)
        AppendBand(rects, ys[i], ys[i + 1],
                   CombineSpans(SpansAt(a.rects_, ys[i]), SpansAt(b.rects_, ys[i]), mode));
    dest = TRegion(std::move(rects));
    return dest.Complexity();
}

bool TRegion::Contains(int x, int y) const {
    return std::any_of(rects_.begin(), rects_.end(), [x, y](const TRect& r) {
        return r.Left <= x && x < r.Right && r.Top <= y && y < r.Bottom;
    });
}

TRect TRegion::Bounds() const {
    if (rects_.empty())
        return {};
    TRect bounds{rects_.front().Left, rects_.front().Top, rects_.front().Right,
                 rects_.back().Bottom};
    for (const TRect& r : rects_) {
        bounds.Left = std::min(bounds.Left, r.Left);
        bounds.Right = std::max(bounds.Right, r.Right);
    }
    return bounds;
}

void TRegion::Offset(int dx, int dy) {
    for (TRect& r : rects_)
        r = {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

QRegion TRegion::ToQRegion() const {
    QRegion region;
    for (const TRect& r : rects_)
        region += r.ToQRect();
    return region;
}

void TRegion::ApplyToWidget(QWidget* widget) const {
    if (IsEmpty())
        widget->clearMask();
    else
        widget->setMask(ToQRegion());
}

int TRegion::Complexity() const {
    if (rects_.empty())
        return NULLREGION;
    return rects_.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}
