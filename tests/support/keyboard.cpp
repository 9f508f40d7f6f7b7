#include "tests/support/keyboard.h"

#include <vector>

namespace quorvel::test {

namespace {

INPUT KeyEvent(WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    return input;
}

std::vector<WORD> KeysOf(UINT modifiers, WORD virtualKey) {
    std::vector<WORD> keys;
    if (modifiers & MOD_CONTROL) keys.push_back(VK_CONTROL);
    if (modifiers & MOD_SHIFT) keys.push_back(VK_SHIFT);
    if (modifiers & MOD_ALT) keys.push_back(VK_MENU);
    keys.push_back(virtualKey);
    return keys;
}

}  // namespace

std::vector<INPUT> CombinationEvents(UINT modifiers, WORD virtualKey, int keyDowns) {
    const std::vector<WORD> keys = KeysOf(modifiers, virtualKey);
    std::vector<INPUT> events;
    for (WORD key : keys) events.push_back(KeyEvent(key, 0));
    for (int repeat = 1; repeat < keyDowns; ++repeat) events.push_back(KeyEvent(virtualKey, 0));
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        events.push_back(KeyEvent(*key, KEYEVENTF_KEYUP));
    }
    return events;
}

bool SendEvents(std::vector<INPUT>& events) {
    const UINT count = static_cast<UINT>(events.size());
    return SendInput(count, events.data(), sizeof(INPUT)) == count;
}

bool PressCombination(UINT modifiers, WORD virtualKey, int keyDowns) {
    std::vector<INPUT> events = CombinationEvents(modifiers, virtualKey, keyDowns);
    return SendEvents(events);
}

std::string KeyName(WORD virtualKey) {
    const LONG scanCode = static_cast<LONG>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    char name[128] = {};
    const int length = GetKeyNameTextA(scanCode << 16, name, sizeof(name));
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string CombinationText(UINT modifiers, WORD virtualKey) {
    std::string text;
    for (WORD key : KeysOf(modifiers, virtualKey)) {
        if (!text.empty()) text += " + ";
        text += KeyName(key);
    }
    return text;
}

}  // namespace quorvel::test
