#include "tests/support/message_box.h"

#include "tests/support/messaging.h"
#include "tests/support/texts_and_ids.h"
#include "tests/support/top_level_windows.h"
#include "tests/support/wait.h"

namespace quorvel::test {

namespace {

constexpr int kMessageTextId = 0xFFFF;

HWND FindMessageBox(DWORD processId, HWND mainWindow) {
    return FindTopLevelWindow([&](HWND window) {
        return OwningProcess(window) == processId && window != mainWindow &&
               WindowTitle(window) == kMainWindowTitle && WindowClass(window) == kDialogClass &&
               IsWindowVisible(window);
    });
}

}  // namespace

HWND WaitForMessageBox(DWORD processId, HWND mainWindow, DWORD timeoutMs) {
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindMessageBox(processId, mainWindow)) != nullptr; }, timeoutMs);
    return box;
}

std::string MessageBoxText(HWND box) { return TextOf(GetDlgItem(box, kMessageTextId)); }

bool DismissMessageBox(HWND box, DWORD timeoutMs) {
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    return WaitUntil([&] { return !IsWindow(box); }, timeoutMs);
}

}  // namespace quorvel::test
