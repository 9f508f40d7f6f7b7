#include "tests/support/modal_dialog.h"

#include "tests/support/messaging.h"
#include "tests/support/wait.h"

namespace quorvel::test {

std::string ModalDialog::Text(int fieldId) const { return TextOf(Field(fieldId)); }

void ModalDialog::Type(int fieldId, const std::string& text) const {
    Send(Field(fieldId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ModalDialog::PressOk() const { PostMessageA(Field(IDOK), BM_CLICK, 0, 0); }

void ModalDialog::PressCancel() const { PostMessageA(Field(IDCANCEL), BM_CLICK, 0, 0); }

bool ModalDialog::WaitUntilClosed(DWORD timeoutMs) const {
    return WaitUntil([&] { return !IsWindow(dialog_); }, timeoutMs);
}

}  // namespace quorvel::test
