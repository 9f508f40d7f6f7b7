#pragma once
// The dragged area as the user sees it and as it will be clicked, whichever way the drag went.
// No <windows.h> here.

#include <algorithm>

namespace quorvel::areapick {

struct Point {
    int x;
    int y;
};

// The two corners handed to Quorvel: the top-left corner as the starting point and the
// bottom-right one as the closing point, so that the width and height are never negative.
struct Pick {
    Point start;
    Point end;
};

constexpr Pick PickBetween(Point pressed, Point released) {
    return {{std::min(pressed.x, released.x), std::min(pressed.y, released.y)},
            {std::max(pressed.x, released.x), std::max(pressed.y, released.y)}};
}

// Right and bottom are one past the last pixel.
struct Bounds {
    int left;
    int top;
    int right;
    int bottom;
};

// The pixels that rectangle mode can click for this pick: from the starting corner up to, not
// including, the closing corner's column and row; a span of 0 is that one column or row.
constexpr Bounds ClickableBounds(const Pick& pick) {
    return {pick.start.x, pick.start.y, std::max(pick.end.x, pick.start.x + 1),
            std::max(pick.end.y, pick.start.y + 1)};
}

}  // namespace quorvel::areapick
