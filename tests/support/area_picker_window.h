#pragma once

#include <windows.h>

namespace e2e {

// The area picker's window once it is on screen: a visible, topmost top-level window of a
// process started from Areapick.exe. nullptr when none appears in time.
HWND WaitForAreaPickerWindow(DWORD timeoutMs);

}  // namespace e2e
