// Presses a key, with modifiers in the form RegisterHotKey takes, through SendInput the way a
// keyboard would, to reach another program's global shortcut. Prints the performance counter
// read just before the press (one clock for every process here, the recorder's too), so that a
// reaction to the press can be timed. Exits with 1 when the system did not take the key press.
//
//   press_key <virtual-key code> <modifiers>     numbers in C notation, e.g. 0x77 0

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/support/keyboard.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: press_key <virtual-key code> <modifiers>\n");
        return 2;
    }
    const auto virtualKey = static_cast<WORD>(std::strtoul(argv[1], nullptr, 0));
    const auto modifiers = static_cast<UINT>(std::strtoul(argv[2], nullptr, 0));
    std::vector<INPUT> events = quorvel::test::CombinationEvents(modifiers, virtualKey);
    LARGE_INTEGER pressed;
    QueryPerformanceCounter(&pressed);
    if (!quorvel::test::SendEvents(events)) {
        std::fprintf(stderr, "press_key: the system did not take the key press (error %lu)\n",
                     GetLastError());
        return 1;
    }
    // Printed only after the press, so that writing it delays nothing.
    std::printf("%lld\n", pressed.QuadPart);
    return 0;
}
