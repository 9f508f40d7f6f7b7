#include "click_timing_dialog.h"

#include "messaging.h"
#include "top_level_windows.h"
#include "wait.h"

namespace e2e {

HWND ClickTimingDialog::WaitForOpen(DWORD processId, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            found = FindTopLevelWindow([&](HWND window) {
                return OwningProcess(window) == processId && WindowClass(window) == "#32770" &&
                       WindowTitle(window) == "Settings - Quorvel" && IsWindowVisible(window);
            });
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

std::string ClickTimingDialog::Text(int fieldId) const { return TextOf(Field(fieldId)); }

void ClickTimingDialog::Type(int fieldId, const std::string& text) const {
    Send(Field(fieldId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ClickTimingDialog::PressOk() const { PostMessageA(Field(IDOK), BM_CLICK, 0, 0); }

void ClickTimingDialog::PressCancel() const { PostMessageA(Field(IDCANCEL), BM_CLICK, 0, 0); }

bool ClickTimingDialog::WaitUntilClosed(DWORD timeoutMs) const {
    return WaitUntil([&] { return !IsWindow(dialog_); }, timeoutMs);
}

}  // namespace e2e
