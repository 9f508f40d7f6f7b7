#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace soak {

// The window's text if its thread answers within the time-out: a program that is busy or hung
// gives nothing, where the driver's own calls would just read an empty text.
std::optional<std::string> TextWithin(HWND window, DWORD timeoutMs);

}  // namespace soak
