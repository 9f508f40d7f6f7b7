#include "platform/data_exchange.h"

#include <string>

#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/integer_field.h"
#include "platform/message_box.h"

namespace quorvel::win {

namespace {

constexpr const char* kIntegerExpected = "Please enter an integer number.";

bool IsRadioButton(HWND control) {
    return (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

bool StartsGroup(HWND control) { return (GetWindowLongPtrA(control, GWL_STYLE) & WS_GROUP) != 0; }

}  // namespace

DataExchange::DataExchange(Dialog& dialog, bool saveAndValidate)
    : dialog_(dialog), saving_(saveAndValidate) {}

void DataExchange::Text(int id, int& value) {
    if (failed_) return;
    const HWND field = dialog_.GetDlgItem(id);
    if (field == nullptr) return;

    const std::string current = WindowText(field);
    if (saving_) {
        const auto parsed = ParseIntegerField(current);
        if (!parsed) {
            Refuse(field);
            return;
        }
        value = *parsed;
        return;
    }
    const std::string wanted = std::to_string(value);
    // Setting an equal text would still raise EN_CHANGE, and with it a needless save.
    if (current != wanted) SetWindowTextA(field, wanted.c_str());
}

void DataExchange::Radio(int firstId, int& value) {
    if (failed_) return;
    const HWND first = dialog_.GetDlgItem(firstId);
    if (first == nullptr) return;

    if (saving_) value = -1;
    int position = 0;
    for (HWND control = first; control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
        if (control != first && StartsGroup(control)) break;
        if (!IsRadioButton(control)) continue;
        if (saving_) {
            if (value == -1 && SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED) {
                value = position;
            }
        } else {
            SendMessageA(control, BM_SETCHECK, position == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++position;
    }
}

void DataExchange::Check(int id, int& value) {
    if (failed_) return;
    const HWND box = dialog_.GetDlgItem(id);
    if (box == nullptr) return;
    if (saving_) {
        value = SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    } else {
        SendMessageA(box, BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void DataExchange::CBIndex(int id, int& value) {
    if (failed_) return;
    win::ComboBox list;
    list.Attach(dialog_.GetDlgItem(id));
    if (!list.attached()) return;
    if (saving_) {
        value = list.GetCurSel();
    } else {
        list.SetCurSel(value);
    }
}

void DataExchange::Control(int id, win::Control& control) {
    if (failed_) return;
    // Attached again only if the dialog's window was made anew.
    const HWND item = dialog_.GetDlgItem(id);
    if (control.hwnd() != item) control.Attach(item);
}

void DataExchange::Refuse(HWND field) {
    ShowMessageBox(dialog_.hwnd(), kIntegerExpected, MB_OK | MB_ICONEXCLAMATION);
    // WM_NEXTDLGCTL keeps the dialog's default-button bookkeeping right, unlike SetFocus.
    SendMessageA(dialog_.hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
    SendMessageA(field, EM_SETSEL, 0, -1);
    failed_ = true;
}

}  // namespace quorvel::win
