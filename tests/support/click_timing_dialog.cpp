#include "tests/support/click_timing_dialog.h"

#include "tests/support/messaging.h"
#include "tests/support/top_level_windows.h"
#include "tests/support/wait.h"

namespace quorvel::test {

HWND ClickTimingDialog::WaitForOpen(DWORD processId, DWORD timeoutMs) {
    return WaitForDialog(processId, "Settings - Quorvel", timeoutMs);
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

}  // namespace quorvel::test
