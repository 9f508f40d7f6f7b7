#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace e2e {

std::string WindowTitle(HWND window);
std::string WindowClass(HWND window);
DWORD OwningProcess(HWND window);

// Returns the first top-level window, hidden ones included, that the predicate accepts.
HWND FindTopLevelWindow(const std::function<bool(HWND)>& accept);

}  // namespace e2e
