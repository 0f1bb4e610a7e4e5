// How an anchored control keeps its place when its parent's client area changes size: the
// distance to every anchored edge stays; with both edges of a direction anchored the control
// stretches, and with neither its centre keeps its share of the parent's size.
#pragma once

#include "framework/core/Types.h"

#include <optional>

class TAnchorRules {
public:
    // Takes `bounds`, inside a parent client area of `parentSize`, as the place to keep.
    void Remember(TAnchors anchors, const TRect& bounds, TPoint parentSize);
    // The bounds for a parent client area of `parentSize`; none for the plain left and top
    // anchoring, or while no parent size is known.
    std::optional<TRect> Follow(TAnchors anchors, const TRect& bounds, TPoint parentSize) const;

private:
    // Per direction: the size when both edges are anchored, the near edge when only the far
    // one is, else the centre.
    TPoint rule_;
    TPoint parentSize_; // the parent's client size the rules were taken at
};
