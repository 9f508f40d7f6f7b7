#pragma once
// The settings of a clicking run, as the main window's controls hold them.

namespace quorvel {

struct ClickSettings {
    int clickLocation = 0;  // 0 at the cursor, 1 anywhere on the desktop, 2 in the rectangle
    int locX = 0;
    int locY = 0;
    int locWidth = 100;
    int locHeight = 100;
    int howManyClicks = 1;  // 1: stop after fixedClicksCount clicks
    int fixedClicksCount = 10;
    int delayBetweenClicks = 1;  // 1: fixed interval, otherwise random
    int randomDelayFrom = 1;
    int randomDelayTo = 100;
    int fixedDelayInClicks = 10;
    int fixedDelayScale = 0;  // unit index: 0 ms, 1 s, 2 min, -1 none
    int randomDelayScale = 0;
    int radioClickType = 0;  // 0 left, 1 right, 2 left double, 3 right double, 4 middle, -1 none
};

}  // namespace quorvel
