#pragma once

#include <windows.h>

namespace quorvel::test {

// A drag with the left button through the system's input queue, as a person's mouse would do
// it: move to the start, press, move there in even steps, release. Screen pixels of the
// primary monitor.
void DragWithLeftButton(POINT from, POINT to, int steps);

// One left click at a screen pixel of the primary monitor, through the input queue.
void ClickWithLeftButton(POINT at);

}  // namespace quorvel::test
