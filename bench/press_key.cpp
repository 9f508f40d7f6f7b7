// Presses a key, with modifiers in the form RegisterHotKey takes, through SendInput the way a
// keyboard would, to reach another program's global shortcut. Exits with 1 when the system did
// not take the key press.
//
//   press_key <virtual-key code> <modifiers>     numbers in C notation, e.g. 0x77 0

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "tests/support/keyboard.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: press_key <virtual-key code> <modifiers>\n");
        return 2;
    }
    const auto virtualKey = static_cast<WORD>(std::strtoul(argv[1], nullptr, 0));
    const auto modifiers = static_cast<UINT>(std::strtoul(argv[2], nullptr, 0));
    if (!quorvel::test::PressCombination(modifiers, virtualKey)) {
        std::fprintf(stderr, "press_key: the system did not take the key press (error %lu)\n",
                     GetLastError());
        return 1;
    }
    return 0;
}
