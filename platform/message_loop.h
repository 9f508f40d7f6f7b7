#pragma once
// The application's message loop.

namespace quorvel::win {

class WinApp;

// Runs until WM_QUIT (posted when the main window is destroyed); returns its exit code. A message
// for the main window or one of its children goes to the main window's PreTranslateMessage first.
int RunMessageLoop(WinApp& app);

}  // namespace quorvel::win
