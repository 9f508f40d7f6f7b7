// Presses a key, with modifiers in the form RegisterHotKey takes, through SendInput the way a
// keyboard would, to reach another program's global shortcut.
//
//   press_key <virtual-key code> <modifiers>     numbers in C notation, e.g. 0x77 0

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

INPUT KeyEvent(WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    return input;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: press_key <virtual-key code> <modifiers>\n");
        return 2;
    }
    const auto virtualKey = static_cast<WORD>(std::strtoul(argv[1], nullptr, 0));
    const auto modifiers = static_cast<UINT>(std::strtoul(argv[2], nullptr, 0));

    std::vector<WORD> keys;
    if (modifiers & MOD_CONTROL) keys.push_back(VK_CONTROL);
    if (modifiers & MOD_SHIFT) keys.push_back(VK_SHIFT);
    if (modifiers & MOD_ALT) keys.push_back(VK_MENU);
    keys.push_back(virtualKey);
    std::vector<INPUT> events;
    for (WORD key : keys) events.push_back(KeyEvent(key, 0));
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        events.push_back(KeyEvent(*key, KEYEVENTF_KEYUP));
    }
    const UINT sent = SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
    return sent == events.size() ? 0 : 1;
}
