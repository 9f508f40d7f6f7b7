#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace quorvel::test {

// Sends a message to a window of the program under test. Every exchange is synchronous but
// bounded, so a hung program fails the case instead of hanging the suite.
LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The text of a window or control, asked of the window itself.
std::string TextOf(HWND window);

// The window's text if its thread answers within the time-out: a program that is busy or hung
// gives nothing, where TextOf would just read an empty text.
std::optional<std::string> TextWithin(HWND window, DWORD timeoutMs);

}  // namespace quorvel::test
