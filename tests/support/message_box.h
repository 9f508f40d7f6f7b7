#pragma once

#include <windows.h>

#include <string>

namespace quorvel::test {

// A message box of the program under test: a top-level dialog of its process, captioned
// "Quorvel", other than the main window. Returns nullptr when none appears in time.
HWND WaitForMessageBox(DWORD processId, HWND mainWindow, DWORD timeoutMs);

std::string MessageBoxText(HWND box);

// Presses the box's button and waits for the box to go away.
bool DismissMessageBox(HWND box, DWORD timeoutMs);

}  // namespace quorvel::test
