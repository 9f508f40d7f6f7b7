#pragma once
// The hot-key control of the main window, with the names of the combination it shows.

#include <windows.h>

#include <string>

#include "platform/controls.h"

namespace quorvel::ui {

class CShortcutKeyCtrl : public quorvel::win::HotKeyControl {
public:
    // The keyboard layout's name of a key; empty when the layout has none.
    static std::string GetKeyName(WORD virtualKey, int extended);
    // "Ctrl + Shift + Alt + Key" in this order, whatever order the keys were pressed in.
    static std::string FormatHotKey(WORD virtualKey, WORD controlFlags);
    std::string GetHotKeyText() const;
};

}  // namespace quorvel::ui
