#include "tests/support/foreground.h"

#include "tests/support/wait.h"

namespace quorvel::test {

bool BringToForeground(HWND window, DWORD timeoutMs) {
    return WaitUntil(
        [&] {
            if (GetForegroundWindow() == window) return true;
            SetForegroundWindow(window);
            return false;
        },
        timeoutMs);
}

HWND FocusInThreadOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

}  // namespace quorvel::test
