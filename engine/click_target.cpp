#include "engine/click_target.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "engine/text_format.h"

namespace quorvel {
namespace {

constexpr const char* kAreaText = "Total Clickable Area of Width %u Height %u";

int ClampedSum(int a, int b) {
    const std::int64_t sum = std::int64_t{a} + b;
    return static_cast<int>(std::clamp<std::int64_t>(sum, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// The draw is taken modulo the size directly, as unsigned values, rather than through
// RandomBetween; a size of 0 has no point to offer.
bool PickOnDesktop(const VirtualScreen& desktop, RandomGenerator& random, Point& point) {
    const auto width = static_cast<unsigned>(desktop.width);
    const auto height = static_cast<unsigned>(desktop.height);
    if (width == 0 || height == 0) return false;
    const auto xOffset = static_cast<unsigned>(random.Next()) % width;
    const auto yOffset = static_cast<unsigned>(random.Next()) % height;
    // Both offsets are at most RandomGenerator::kMax, so they fit an int.
    point = {ClampedSum(desktop.left, static_cast<int>(xOffset)),
             ClampedSum(desktop.top, static_cast<int>(yOffset))};
    return true;
}

Point PickInRectangle(const ClickSettings& settings, RandomGenerator& random) {
    const int x =
        RandomBetween(random, settings.locX, ClampedSum(settings.locX, settings.locWidth));
    const int y =
        RandomBetween(random, settings.locY, ClampedSum(settings.locY, settings.locHeight));
    return {x, y};
}

}  // namespace

DesktopMeasurement MeasureDesktop(ScreenMetricsPort& metrics) {
    DesktopMeasurement desktop;
    desktop.screen = metrics.Measure();
    const VirtualScreen& screen = desktop.screen;
    desktop.areaText = Format(kAreaText, static_cast<unsigned>(screen.width),
                              static_cast<unsigned>(screen.height));
    desktop.rectX = {screen.left, ClampedSum(screen.left, screen.width)};
    desktop.rectY = {screen.top, ClampedSum(screen.top, screen.height)};
    desktop.rectWidth = {1, screen.width};
    desktop.rectHeight = {1, screen.height};
    desktop.randomFrom = {1, kLongestDelay};
    desktop.randomTo = {1, kLongestDelay};
    desktop.fixedDelay = {1, kLongestDelay};
    return desktop;
}

void PickClickPoint(const ClickSettings& settings, const VirtualScreen& desktop,
                    RandomGenerator& random, CursorPort& cursor, Point& lastClick) {
    switch (settings.clickLocation) {
    case kLocationAtCursor: {
        Point position = lastClick;
        if (cursor.GetPosition(position)) lastClick = position;
        break;
    }
    case kLocationAnywhereOnDesktop:
        if (PickOnDesktop(desktop, random, lastClick)) cursor.MoveTo(lastClick);
        break;
    case kLocationInRectangle:
        lastClick = PickInRectangle(settings, random);
        cursor.MoveTo(lastClick);
        break;
    default:
        break;
    }
}

}  // namespace quorvel
