#include "tests/support/options_dialog.h"

#include <string>

#include "tests/support/messaging.h"
#include "tests/support/texts_and_ids.h"
#include "tests/support/top_level_windows.h"

namespace quorvel::test {

HWND OptionsDialog::Open(HWND mainWindow, DWORD processId, DWORD timeoutMs) {
    // Posted: the dialog is modal.
    PostMessageA(mainWindow, WM_COMMAND, id::kContextOptions, 0);
    return WaitForDialog(processId, "Options", timeoutMs);
}

int OptionsDialog::TriggerButton() const {
    return static_cast<int>(Send(Field(id::kTriggerButtonList), CB_GETCURSEL, 0, 0));
}

void OptionsDialog::PickTriggerButton(int position) const {
    Send(Field(id::kTriggerButtonList), CB_SETCURSEL, position, 0);
}

bool OptionsDialog::IsChecked(int boxId) const {
    return Send(Field(boxId), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void OptionsDialog::SetChecked(int boxId, bool checked) const {
    Send(Field(boxId), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int OptionsDialog::StopAfterMinutes() const {
    const std::string text = Text(id::kStopAfterMinutes);
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos
               ? std::stoi(text)
               : -1;
}

void OptionsDialog::TypeStopAfterMinutes(int minutes) const {
    Type(id::kStopAfterMinutes, std::to_string(minutes));
}

}  // namespace quorvel::test
