// Times how long a program takes from its launch to a visible top-level window with a given
// title, over several launches; each launch is closed again before the next one.
//
//   launch_timer <program> <window title> <launches>
//
// Prints one line per launch: the milliseconds from CreateProcessA to the visible window, or
// "timeout" when the window did not show within the limit.

#include <windows.h>

#include "tests/support/launched_program.h"
#include "tests/support/top_level_windows.h"
#include "tests/support/wait.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr DWORD kShowTimeoutMs = 20000;
// The window is looked for every millisecond, so that the time is not rounded up to a slice.
constexpr DWORD kLookEveryMs = 1;

HWND FindVisibleWindow(DWORD processId, const std::string& title) {
    return quorvel::test::FindTopLevelWindow([&](HWND window) {
        return quorvel::test::OwningProcess(window) == processId && IsWindowVisible(window) &&
               quorvel::test::WindowTitle(window) == title;
    });
}

double MillisecondsBetween(LARGE_INTEGER start, LARGE_INTEGER end) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

bool TimeOneLaunch(const std::string& program, const std::string& title) {
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    quorvel::test::LaunchedProgram launched(program, "");
    if (!launched.started()) {
        std::fprintf(stderr, "launch_timer: cannot start %s (error %lu)\n", program.c_str(),
                     GetLastError());
        return false;
    }

    HWND window = nullptr;
    quorvel::test::WaitUntil(
        [&] { return (window = FindVisibleWindow(launched.id(), title)) != nullptr; },
        kShowTimeoutMs, kLookEveryMs);
    LARGE_INTEGER shown;
    QueryPerformanceCounter(&shown);
    if (window != nullptr) {
        std::printf("%.3f\n", MillisecondsBetween(start, shown));
    } else {
        std::printf("timeout\n");
    }
    std::fflush(stdout);
    // Closed, by force if need be, so that the next launch never meets a running instance.
    launched.End(window);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: launch_timer <program> <window title> <launches>\n");
        return 2;
    }
    const int launches = std::atoi(argv[3]);
    for (int launch = 0; launch < launches; ++launch) {
        if (!TimeOneLaunch(argv[1], argv[2])) return 1;
    }
    return 0;
}
