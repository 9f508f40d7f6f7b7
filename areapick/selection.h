#pragma once
// The dragged area as the user sees it, whichever way the drag went. No <windows.h> here.

#include <algorithm>

namespace quorvel::areapick {

struct Point {
    int x;
    int y;
};

// Where the drag began and where it ended, in screen coordinates, in that order.
struct Pick {
    Point start;
    Point end;
};

// Right and bottom are one past the last pixel, so that the outline covers both corners.
struct Bounds {
    int left;
    int top;
    int right;
    int bottom;
};

constexpr Bounds SpanOf(Point a, Point b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1};
}

}  // namespace quorvel::areapick
