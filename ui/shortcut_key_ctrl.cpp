#include "ui/shortcut_key_ctrl.h"

#include <commctrl.h>

#include <vector>

namespace quorvel::ui {

std::string CShortcutKeyCtrl::GetKeyName(WORD virtualKey, int extended) {
    const UINT scan = MapVirtualKeyA(virtualKey, 0);
    LONG lParam = static_cast<LONG>(scan << 16);
    if (extended) lParam |= 1L << 24;

    // The name may not fit: grow the buffer until the layout leaves room to spare.
    int size = 64;
    std::vector<char> buffer;
    int length = 0;
    do {
        size *= 2;
        buffer.assign(static_cast<size_t>(size) + 1, '\0');
        length = GetKeyNameTextA(lParam, buffer.data(), size + 1);
    } while (length == size);
    return std::string(buffer.data(), static_cast<size_t>(length > 0 ? length : 0));
}

std::string CShortcutKeyCtrl::FormatHotKey(WORD virtualKey, WORD controlFlags) {
    if (virtualKey == 0 && controlFlags == 0) return {};
    std::string text;
    if (controlFlags & HOTKEYF_CONTROL) text += GetKeyName(VK_CONTROL, 0) + " + ";
    if (controlFlags & HOTKEYF_SHIFT) text += GetKeyName(VK_SHIFT, 0) + " + ";
    if (controlFlags & HOTKEYF_ALT) text += GetKeyName(VK_MENU, 0) + " + ";
    return text + GetKeyName(virtualKey, controlFlags & HOTKEYF_EXT);
}

std::string CShortcutKeyCtrl::GetHotKeyText() const {
    WORD virtualKey = 0;
    WORD flags = 0;
    GetHotKey(virtualKey, flags);
    return FormatHotKey(virtualKey, flags);
}

}  // namespace quorvel::ui
