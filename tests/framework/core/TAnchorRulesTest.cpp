#include "framework/core/TAnchorRules.h"

#include <gtest/gtest.h>

namespace {

constexpr TAnchors kLeftTop = TAnchors(Framework::akLeft) | Framework::akTop;
constexpr TAnchors kRightBottom = TAnchors(Framework::akRight) | Framework::akBottom;
constexpr TAnchors kAll = kLeftTop | kRightBottom;
constexpr TRect kPlace = Bounds(20, 30, 50, 20); // in a 200 x 100 parent
constexpr TPoint kParent{200, 100};

std::optional<TRect> Followed(TAnchors anchors, TPoint newParent, TPoint parent = kParent) {
    TAnchorRules rules;
    rules.Remember(anchors, kPlace, parent);
    return rules.Follow(anchors, kPlace, newParent);
}

} // namespace

TEST(TAnchorRulesTest, AnchoredEdgesKeepTheirDistancesAndAFreeDirectionKeepsItsCentresShare) {
    // 130 from the right and 50 from the bottom, before and after.
    EXPECT_EQ(Followed(kRightBottom, {300, 160}), Bounds(120, 90, 50, 20));
    // Both edges of a direction anchored: it stretches with the parent, and shrinks with it to
    // no size at all, not below.
    EXPECT_EQ(Followed(kAll, {300, 160}), Bounds(20, 30, 150, 80));
    EXPECT_EQ(Followed(kAll, {40, 40}), Bounds(20, 30, 0, 0));
    // No edge of a direction: the centre (45, 40) stays at the same share of the parent's size.
    EXPECT_EQ(Followed(TAnchors(Framework::akTop), {400, 100}), Bounds(65, 30, 50, 20));
    EXPECT_EQ(Followed(TAnchors(Framework::akLeft), {200, 50}), Bounds(20, 10, 50, 20));
    EXPECT_EQ(Followed(TAnchors(), {300, 300}), Bounds(43, 110, 50, 20));
}

TEST(TAnchorRulesTest, NothingMovesOnThePlainAnchoringOrWithoutAKnownParentSize) {
    EXPECT_EQ(Followed(kLeftTop, {300, 160}), std::nullopt);
    EXPECT_EQ(Followed(kRightBottom, {300, 160}, {0, 100}), std::nullopt);
    EXPECT_EQ(Followed(kRightBottom, {300, 160}, {200, 0}), std::nullopt);
    EXPECT_EQ(TAnchorRules().Follow(kRightBottom, kPlace, {300, 160}), std::nullopt);
}
