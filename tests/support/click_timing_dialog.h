#pragma once

#include <windows.h>

#include <string>

namespace quorvel::test {

// The program's modal dialog of the pauses inside a click, used through window messages.
class ClickTimingDialog {
public:
    // The open dialog of the given process, captioned "Settings - Quorvel"; nullptr when none
    // appears in time.
    static HWND WaitForOpen(DWORD processId, DWORD timeoutMs);

    explicit ClickTimingDialog(HWND dialog) : dialog_(dialog) {}

    HWND handle() const { return dialog_; }
    HWND Field(int fieldId) const { return GetDlgItem(dialog_, fieldId); }

    std::string Text(int fieldId) const;
    void Type(int fieldId, const std::string& text) const;

    // Both return at once: OK may bring up a message box that waits for a person.
    void PressOk() const;
    void PressCancel() const;

    bool WaitUntilClosed(DWORD timeoutMs) const;

private:
    HWND dialog_;
};

}  // namespace quorvel::test
