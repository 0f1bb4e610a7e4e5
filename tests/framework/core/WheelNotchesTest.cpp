// Gathering a wheel's parts into whole notches, as touchpads report them.
#include "framework/core/WheelNotches.h"

#include <QObject>
#include <gtest/gtest.h>

namespace {

constexpr int kNotch = WheelNotches::kNotch;

} // namespace

TEST(WheelNotches, PartsBecomeWholeNotchesAndEachAxisCountsApart) {
    WheelNotches notches;
    QObject grid;
    int vertical = 0;
    int horizontal = 0;
    // A swipe three notches long in six parts, sideways at the same time in parts of 40.
    for (int i = 0; i < 6; ++i) {
        const auto whole = notches.Add(&grid, {60, 40}, false);
        EXPECT_EQ(whole.vertical % kNotch, 0);
        vertical += whole.vertical;
        horizontal += whole.horizontal;
    }
    EXPECT_EQ(vertical, 3 * kNotch);
    EXPECT_EQ(horizontal, 2 * kNotch);

    // One event of three notches is three notches at once, none of it held back.
    EXPECT_EQ(notches.Add(&grid, {-360, 0}, false).vertical, -360);
    EXPECT_EQ(notches.Add(&grid, {-60, 0}, false).vertical, 0);
    EXPECT_EQ(notches.Add(&grid, {-60, 0}, false).vertical, -kNotch);
    // An axis without motion completes nothing.
    EXPECT_EQ(notches.Add(&grid, {0, 0}, false).vertical, 0);
}

TEST(WheelNotches, HeldPartsAreDroppedOnATurnAGestureEdgeOrAnotherWindow) {
    WheelNotches notches;
    QObject grid;
    QObject memo;
    notches.Add(&grid, {100, 0}, false);
    // Turned round: the 100 held forward are no part of a notch backwards.
    EXPECT_EQ(notches.Add(&grid, {-100, 0}, false).vertical, 0);
    EXPECT_EQ(notches.Add(&grid, {-20, 0}, false).vertical, -kNotch);

    notches.Add(&grid, {0, 100}, false);
    EXPECT_EQ(notches.Add(&grid, {0, 20}, true).horizontal, 0); // a new gesture starts afresh
    EXPECT_EQ(notches.Add(&grid, {0, 100}, false).horizontal, kNotch);

    notches.Add(&grid, {100, 0}, false);
    EXPECT_EQ(notches.Add(&memo, {20, 0}, false).vertical, 0); // parts over the grid stay there
    EXPECT_EQ(notches.Add(&memo, {100, 0}, false).vertical, kNotch);
}
