#include "tests/support/top_level_windows.h"

#include "tests/support/texts_and_ids.h"
#include "tests/support/wait.h"

namespace quorvel::test {

namespace {

struct Search {
    const std::function<bool(HWND)>& accept;
    HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    if (search.accept(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::string WindowTitle(HWND window) {
    char title[256] = {};
    GetWindowTextA(window, title, sizeof(title));
    return title;
}

std::string WindowClass(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

DWORD OwningProcess(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

HWND FindTopLevelWindow(const std::function<bool(HWND)>& accept) {
    Search search{accept, nullptr};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForDialog(DWORD processId, const std::string& title, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            found = FindTopLevelWindow([&](HWND window) {
                return OwningProcess(window) == processId && WindowClass(window) == kDialogClass &&
                       WindowTitle(window) == title && IsWindowVisible(window);
            });
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

}  // namespace quorvel::test
