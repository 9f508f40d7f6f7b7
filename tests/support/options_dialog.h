#pragma once

#include <windows.h>

#include "tests/support/modal_dialog.h"

namespace quorvel::test {

// The program's Options dialog.
class OptionsDialog : public ModalDialog {
public:
    // Opens it from the main window's context menu command; nullptr when it does not appear.
    static HWND Open(HWND mainWindow, DWORD processId, DWORD timeoutMs);

    using ModalDialog::ModalDialog;

    int TriggerButton() const;  // the list's position
    void PickTriggerButton(int position) const;
    bool IsChecked(int boxId) const;
    void SetChecked(int boxId, bool checked) const;
    int StopAfterMinutes() const;  // -1 when the field holds no number
    void TypeStopAfterMinutes(int minutes) const;
};

}  // namespace quorvel::test
