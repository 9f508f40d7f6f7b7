#pragma once
// Where each click lands, and the desktop picture that the main window shows and limits its
// up-down controls to.

#include <string>

#include "engine/ports.h"
#include "engine/random.h"

namespace quorvel {

inline constexpr int kLocationAtCursor = 0;
inline constexpr int kLocationAnywhereOnDesktop = 1;
inline constexpr int kLocationInRectangle = 2;

inline constexpr int kLongestDelay = 9999999;

struct UpDownRange {
    int lower = 0;
    int upper = 0;
};

// The fields are declared in the order in which the window applies the ranges.
struct DesktopMeasurement {
    VirtualScreen screen;
    std::string areaText;
    UpDownRange rectX;
    UpDownRange rectY;
    UpDownRange rectWidth;
    UpDownRange rectHeight;
    UpDownRange randomFrom;
    UpDownRange randomTo;
    UpDownRange fixedDelay;
};

DesktopMeasurement MeasureDesktop(ScreenMetricsPort& metrics);

// Fills lastClick by the location mode and moves the cursor there for the random modes.
// Points are clamped into the 32-bit range: a rectangle whose right or bottom edge lies beyond
// it is drawn up to INT_MAX (or gives its left or top edge when the sum is below INT_MIN).
void PickClickPoint(const ClickSettings& settings, const VirtualScreen& desktop,
                    RandomGenerator& random, CursorPort& cursor, Point& lastClick);

}  // namespace quorvel
