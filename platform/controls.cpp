#include "platform/controls.h"

#include <commctrl.h>

namespace quorvel::win {

std::string WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

LRESULT Control::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendMessageA(hwnd_, message, wParam, lParam);
}

void Control::Enable(bool enable) {
    EnableWindow(hwnd_, enable ? TRUE : FALSE);  // returns the previous state, not an error
}

void Control::Show(int showCommand) {
    ShowWindow(hwnd_, showCommand);  // returns the previous visibility, not an error
}

void Control::SetText(const std::string& text) { SetWindowTextA(hwnd_, text.c_str()); }

std::string Control::GetText() const { return WindowText(hwnd_); }

int ComboBox::AddString(const std::string& text) {
    return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void ComboBox::SetItemData(int index, LPARAM data) {
    Send(CB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

void ComboBox::SetCurSel(int index) {
    // A position outside the list clears the selection instead of relying on CB_ERR semantics.
    const bool inRange = index >= 0 && index < GetCount();
    Send(CB_SETCURSEL, inRange ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1));
}

int ComboBox::GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }

int ComboBox::GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }

void UpDown::SetRange32(int lower, int upper) {
    Send(UDM_SETRANGE32, static_cast<WPARAM>(lower), static_cast<LPARAM>(upper));
}

void HotKeyControl::GetHotKey(WORD& virtualKey, WORD& modifiers) const {
    const auto combined = static_cast<WORD>(Send(HKM_GETHOTKEY));
    virtualKey = LOBYTE(combined);
    modifiers = HIBYTE(combined);
}

void HotKeyControl::SetHotKey(WORD virtualKey, WORD modifiers) {
    Send(HKM_SETHOTKEY, MAKEWORD(LOBYTE(virtualKey), LOBYTE(modifiers)));
}

}  // namespace quorvel::win
