#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace quorvel::test {

std::string WindowTitle(HWND window);
std::string WindowClass(HWND window);
DWORD OwningProcess(HWND window);

// Returns the first top-level window, hidden ones included, that the predicate accepts.
HWND FindTopLevelWindow(const std::function<bool(HWND)>& accept);

// A visible dialog of the given process with the given caption, once it is open; nullptr when
// none appears in time.
HWND WaitForDialog(DWORD processId, const std::string& title, DWORD timeoutMs);

}  // namespace quorvel::test
