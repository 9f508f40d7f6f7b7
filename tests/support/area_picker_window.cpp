#include "tests/support/area_picker_window.h"

#include "tests/support/top_level_windows.h"
#include "tests/support/wait.h"

#include <string>

namespace quorvel::test {

namespace {

bool StartedFromAreapick(DWORD processId) {
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) return false;
    char path[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    const bool named = QueryFullProcessImageNameA(process, 0, path, &length) != FALSE;
    CloseHandle(process);
    const std::string image(path, named ? length : 0);
    const std::string ending = "\\Areapick.exe";
    return image.size() >= ending.size() &&
           image.compare(image.size() - ending.size(), ending.size(), ending) == 0;
}

bool IsTopmost(HWND window) {
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

}  // namespace

HWND WaitForAreaPickerWindow(DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            found = FindTopLevelWindow([](HWND window) {
                return IsWindowVisible(window) && IsTopmost(window) &&
                       StartedFromAreapick(OwningProcess(window));
            });
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

}  // namespace quorvel::test
