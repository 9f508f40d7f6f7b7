// Times how long a program takes from its launch to a visible top-level window with a given
// title, over several launches; each launch is closed again before the next one.
//
//   launch_timer <program> <window title> <launches>
//
// Prints one line per launch: the milliseconds from CreateProcessA to the visible window, or
// "timeout" when the window did not show within the limit.

#include <windows.h>

#include "driver/top_level_windows.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD kShowTimeoutMs = 20000;
constexpr DWORD kCloseTimeoutMs = 10000;

HWND FindVisibleWindow(DWORD processId, const std::string& title) {
    return e2e::FindTopLevelWindow([&](HWND window) {
        return e2e::OwningProcess(window) == processId && IsWindowVisible(window) &&
               e2e::WindowTitle(window) == title;
    });
}

double MillisecondsBetween(LARGE_INTEGER start, LARGE_INTEGER end) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// Asks the window to close, then ends the process by force if it does not, so that the next
// launch never meets a running instance.
void Close(HWND window, HANDLE process) {
    if (window != nullptr) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process, kCloseTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, kCloseTimeoutMs);
    }
}

bool TimeOneLaunch(const std::string& program, const std::string& title) {
    std::string commandLine = "\"" + program + "\"";
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};

    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
        std::fprintf(stderr, "launch_timer: cannot start %s (error %lu)\n", program.c_str(),
                     GetLastError());
        return false;
    }
    CloseHandle(info.hThread);

    HWND window = nullptr;
    const ULONGLONG deadline = GetTickCount64() + kShowTimeoutMs;
    LARGE_INTEGER shown{};
    while ((window = FindVisibleWindow(info.dwProcessId, title)) == nullptr &&
           GetTickCount64() < deadline) {
        Sleep(1);
    }
    QueryPerformanceCounter(&shown);
    if (window != nullptr) {
        std::printf("%.3f\n", MillisecondsBetween(start, shown));
    } else {
        std::printf("timeout\n");
    }
    std::fflush(stdout);
    Close(window, info.hProcess);
    CloseHandle(info.hProcess);
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
