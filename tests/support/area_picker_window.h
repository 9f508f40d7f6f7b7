#pragma once

#include <windows.h>

namespace quorvel::test {

// The area picker's window once it is on screen: a visible, topmost top-level window of a
// process started from Areapick.exe. nullptr when none appears in time.
HWND WaitForAreaPickerWindow(DWORD timeoutMs);

}  // namespace quorvel::test
