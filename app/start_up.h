#pragma once
// Decisions of start-up that need no window.

namespace quorvel::app {

// ":silent" anywhere in the command line, case-sensitive, hides the main window at start.
bool IsSilentStart(const char* commandLine);

}  // namespace quorvel::app
