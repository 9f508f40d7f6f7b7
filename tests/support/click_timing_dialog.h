#pragma once

#include <windows.h>

#include "tests/support/modal_dialog.h"

namespace quorvel::test {

// The program's dialog of the pauses inside a click.
class ClickTimingDialog : public ModalDialog {
public:
    // The open dialog of the given process, captioned "Settings - Quorvel"; nullptr when none
    // appears in time.
    static HWND WaitForOpen(DWORD processId, DWORD timeoutMs);

    using ModalDialog::ModalDialog;
};

}  // namespace quorvel::test
