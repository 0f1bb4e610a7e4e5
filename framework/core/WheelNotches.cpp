#include "framework/core/WheelNotches.h"

WheelNotches::Distances WheelNotches::Add(const QObject* target, Distances event,
                                          bool gestureEdge) {
    if (target != target_ || gestureEdge)
        held_ = {};
    target_ = target;
    return {Gather(held_.vertical, event.vertical), Gather(held_.horizontal, event.horizontal)};
}

int WheelNotches::Gather(int& held, int delta) {
    if (delta == 0)
        return 0;
    // Parts gathered one way are no part of a notch the other way.
    if ((held < 0) != (delta < 0))
        held = 0;
    held += delta;
    const int whole = held / kNotch * kNotch; // towards zero: what is left keeps its sign
    held -= whole;
    return whole;
}
