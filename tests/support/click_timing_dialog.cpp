#include "tests/support/click_timing_dialog.h"

#include "tests/support/top_level_windows.h"

namespace quorvel::test {

HWND ClickTimingDialog::WaitForOpen(DWORD processId, DWORD timeoutMs) {
    return WaitForDialog(processId, "Settings - Quorvel", timeoutMs);
}

}  // namespace quorvel::test
