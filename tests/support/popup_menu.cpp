#include "tests/support/popup_menu.h"

#include "tests/support/top_level_windows.h"

namespace quorvel::test {

HWND FindOpenPopupMenu(DWORD processId) {
    return FindTopLevelWindow([&](HWND window) {
        return OwningProcess(window) == processId && WindowClass(window) == "#32768" &&
               IsWindowVisible(window);
    });
}

}  // namespace quorvel::test
