#pragma once
// Thin wrappers over a dialog's controls: each stands for an HWND attached by the data exchange.

#include <windows.h>

#include <string>

namespace quorvel::win {

class Control {
public:
    void Attach(HWND hwnd) { hwnd_ = hwnd; }
    HWND hwnd() const { return hwnd_; }
    bool attached() const { return hwnd_ != nullptr; }
    void Enable(bool enable);
    void Show(int showCommand);
    void SetText(const std::string& text);
    std::string GetText() const;

protected:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

private:
    HWND hwnd_ = nullptr;
};

class ComboBox : public Control {
public:
    int AddString(const std::string& text);  // the new item's position, or CB_ERR
    void SetItemData(int index, LPARAM data);
    void SetCurSel(int index);  // out of range (or -1) selects nothing
    int GetCurSel() const;      // -1 when nothing is selected
    int GetCount() const;
};

class UpDown : public Control {
public:
    void SetRange32(int lower, int upper);
};

// Modifier flags are the control's own: Shift 1, Ctrl 2, Alt 4, extended 8.
class HotKeyControl : public Control {
public:
    void GetHotKey(WORD& virtualKey, WORD& modifiers) const;
    void SetHotKey(WORD virtualKey, WORD modifiers);
};

// Text of any window (control or not), whatever its length.
std::string WindowText(HWND hwnd);

}  // namespace quorvel::win
