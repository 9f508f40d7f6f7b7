#pragma once

#include <windows.h>

namespace quorvel::test {

// The program's modal Options dialog, used through window messages.
class OptionsDialog {
public:
    // Opens it from the main window's context menu command; nullptr when it does not appear.
    static HWND Open(HWND mainWindow, DWORD processId, DWORD timeoutMs);

    explicit OptionsDialog(HWND dialog) : dialog_(dialog) {}
    HWND handle() const { return dialog_; }

    int TriggerButton() const;  // the list's position
    void PickTriggerButton(int position) const;
    bool IsChecked(int boxId) const;
    void SetChecked(int boxId, bool checked) const;
    int StopAfterMinutes() const;  // -1 when the field holds no number
    void TypeStopAfterMinutes(int minutes) const;

    // Both return at once; the dialog closes afterwards.
    void PressOk() const;
    void PressCancel() const;
    bool WaitUntilClosed(DWORD timeoutMs) const;

private:
    HWND dialog_;
};

}  // namespace quorvel::test
