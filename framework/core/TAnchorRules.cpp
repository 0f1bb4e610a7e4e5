#include "framework/core/TAnchorRules.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr TAnchors kPlainAnchors = TAnchors(Framework::akLeft) | Framework::akTop;

// One direction of a control: its near and far edge anchoring, position and size.
struct Span {
    bool nearEdge;
    bool farEdge;
    int position;
    int size;
};

int RuleOf(const Span& s) {
    if (s.farEdge)
        return s.nearEdge ? s.size : s.position;
    return s.position + s.size / 2;
}

// The span moved or stretched from a parent extent of `before` to one of `after`.
Span FollowSpan(Span s, int rule, int before, int after) {
    if (s.farEdge && s.nearEdge)
        s.size = std::max(0, after - (before - rule));
    else if (s.farEdge)
        s.position = after - (before - rule);
    else if (!s.nearEdge)
        s.position = static_cast<int>(std::lround(double(rule) * after / before)) - s.size / 2;
    return s;
}

Span Horizontal(TAnchors anchors, const TRect& r) {
    return {anchors.testFlag(Framework::akLeft), anchors.testFlag(Framework::akRight), r.Left,
            r.Width()};
}

Span Vertical(TAnchors anchors, const TRect& r) {
    return {anchors.testFlag(Framework::akTop), anchors.testFlag(Framework::akBottom), r.Top,
            r.Height()};
}

} // namespace

void TAnchorRules::Remember(TAnchors anchors, const TRect& bounds, TPoint parentSize) {
    rule_ = {RuleOf(Horizontal(anchors, bounds)), RuleOf(Vertical(anchors, bounds))};
    parentSize_ = parentSize;
}

std::optional<TRect> TAnchorRules::Follow(TAnchors anchors, const TRect& bounds,
                                          TPoint parentSize) const {
    if (anchors == kPlainAnchors || parentSize_.X <= 0 || parentSize_.Y <= 0)
        return std::nullopt;
    const Span x = FollowSpan(Horizontal(anchors, bounds), rule_.X, parentSize_.X, parentSize.X);
    const Span y = FollowSpan(Vertical(anchors, bounds), rule_.Y, parentSize_.Y, parentSize.Y);
    return Bounds(x.position, y.position, x.size, y.size);
}
