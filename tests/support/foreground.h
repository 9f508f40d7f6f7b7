#pragma once

#include <windows.h>

namespace quorvel::test {

// Makes a window of another process the foreground window, as a person's click on it would;
// asks again until it holds or the time is up.
bool BringToForeground(HWND window, DWORD timeoutMs);

// The window that has the keyboard focus in the thread that owns the given window.
HWND FocusInThreadOf(HWND window);

}  // namespace quorvel::test
