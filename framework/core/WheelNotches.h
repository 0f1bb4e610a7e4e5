// Gathers a wheel's distances into whole notches, one axis apart from the other. A touchpad
// reports one notch in many small parts; a wheel message for each part would move a list row
// per part, so only whole notches become messages and the parts wait for the rest of theirs.
#pragma once

class QObject;

class WheelNotches {
public:
    // One notch, in the units wheel messages count distances in.
    static constexpr int kNotch = 120;

    struct Distances {
        int vertical = 0;   // forward, away from the user, is positive
        int horizontal = 0; // to the right is positive
    };

    // The whole notches (multiples of kNotch, 0 for an axis that completed none) that one
    // event's distances complete for `target`. What is held back is dropped when the target
    // changes, when an axis turns round, and at a gesture's start or end.
    Distances Add(const QObject* target, Distances event, bool gestureEdge);

private:
    static int Gather(int& held, int delta);

    const QObject* target_ = nullptr;
    Distances held_;
};
