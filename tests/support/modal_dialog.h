#pragma once

#include <windows.h>

#include <string>

namespace quorvel::test {

// One of the program's modal dialogs, used through window messages.
class ModalDialog {
public:
    explicit ModalDialog(HWND dialog) : dialog_(dialog) {}

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
