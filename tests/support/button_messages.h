#pragma once
// The mouse button messages that a click sends to the window under the cursor, and those of the
// side buttons, which only a hand sends.

#include <windows.h>

namespace quorvel::test {

inline bool IsButtonMessage(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_XBUTTONDOWN:
    case WM_XBUTTONUP:
        return true;
    default:
        return false;
    }
}

}  // namespace quorvel::test
