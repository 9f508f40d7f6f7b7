#pragma once
// The settings of a clicking run, as the main window's controls and the store hold them. Their
// first-run values are the store's defaults, applied by the main window.

namespace quorvel {

struct ClickSettings {
    int clickLocation = 0;  // 0 at the cursor, 1 anywhere on the desktop, 2 in the rectangle
    int locX = 0;
    int locY = 0;
    int locWidth = 0;
    int locHeight = 0;
    int howManyClicks = 0;  // 1: stop after fixedClicksCount clicks
    int fixedClicksCount = 0;
    int delayBetweenClicks = 0;  // 1: fixed interval, otherwise random
    int randomDelayFrom = 0;
    int randomDelayTo = 0;
    int fixedDelayInClicks = 0;
    int fixedDelayScale = 0;  // unit index: 0 ms, 1 s, 2 min, -1 none
    int randomDelayScale = 0;
    int radioClickType = 0;  // 0 left, 1 right, 2 left double, 3 right double, 4 middle, -1 none

    // Bounds of the pauses inside a click, in milliseconds.
    int pressReleaseMin = 0;
    int pressReleaseMax = 0;
    int doubleClickMin = 0;
    int doubleClickMax = 0;
};

}  // namespace quorvel
