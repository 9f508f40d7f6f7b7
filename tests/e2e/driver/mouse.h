#pragma once

#include <windows.h>

namespace e2e {

// A drag with the left button through the system's input queue, as a person's mouse would do
// it: move to the start, press, move there in even steps, release. Screen pixels of the
// primary monitor.
void DragWithLeftButton(POINT from, POINT to, int steps);

}  // namespace e2e
