// The area picker's rectangle against the clicks it leads to: the outline the user sees must
// cover exactly the pixels that rectangle mode clicks, whichever way the drag went.

#include "areapick/selection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "engine/click_target.h"
#include "engine_fakes.h"

namespace quorvel::test {
namespace {

using areapick::Bounds;
using areapick::ClickableBounds;
using areapick::Pick;
using areapick::PickBetween;
using areapick::Point;

// The extent of many clicks of rectangle mode with the rectangle that the main window makes of
// the pick: the starting corner and the two corners' difference.
Bounds ClickedBounds(const Pick& pick) {
    ClickSettings settings;
    settings.clickLocation = 2;
    settings.locX = pick.start.x;
    settings.locY = pick.start.y;
    settings.locWidth = pick.end.x - pick.start.x;
    settings.locHeight = pick.end.y - pick.start.y;
    RandomGenerator random;
    FakeCursor cursor;
    Bounds clicked{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int click = 0; click < 2000; ++click) {
        quorvel::Point point{};
        PickClickPoint(settings, {0, 0, 1920, 1080}, random, cursor, point);
        clicked = {std::min(clicked.left, point.x), std::min(clicked.top, point.y),
                   std::max(clicked.right, point.x + 1), std::max(clicked.bottom, point.y + 1)};
    }
    return clicked;
}

TEST(AreaSelection, TheOutlineCoversExactlyTheClickedPixelsForEveryDragDirection) {
    const struct {
        Point pressed;
        Point released;
    } drags[] = {
        {{100, 120}, {104, 123}},  // down and right
        {{104, 123}, {100, 120}},  // up and left
        {{104, 120}, {100, 123}},  // down and left
        {{300, 200}, {300, 200}},  // a click without a drag: one point
        {{300, 200}, {306, 200}},  // one row
    };
    for (const auto& drag : drags) {
        const Pick pick = PickBetween(drag.pressed, drag.released);
        SCOPED_TRACE(::testing::Message() << drag.pressed.x << "," << drag.pressed.y << " to "
                                          << drag.released.x << "," << drag.released.y);
        EXPECT_LE(pick.start.x, pick.end.x);
        EXPECT_LE(pick.start.y, pick.end.y);
        const Bounds outline = ClickableBounds(pick);
        const Bounds clicked = ClickedBounds(pick);
        EXPECT_EQ(outline.left, clicked.left);
        EXPECT_EQ(outline.top, clicked.top);
        EXPECT_EQ(outline.right, clicked.right);
        EXPECT_EQ(outline.bottom, clicked.bottom);
    }
}

}  // namespace
}  // namespace quorvel::test
