// The floor of the bench's cadence: a clicker that does nothing but wait for each click's due
// time on the performance counter, spinning, and send its press and release in one SendInput
// call. What it reaches is what wine's input path allows; a clicker cannot do better here.
// Prints the CPU time it took and the time it ran, both in microseconds.
//
//   floor_clicker <interval ms, 0 for as fast as it can> <clicks> <x> <y>

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Tells the floor's clicks apart from Quorvel's (786) and the peer's (0) in the recorder.
constexpr ULONG_PTR kFloorExtraInfo = 787;

long long Microseconds(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<long long>(value.QuadPart / 10);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: floor_clicker <interval ms> <clicks> <x> <y>\n");
        return 2;
    }
    const long long intervalMs = std::strtoll(argv[1], nullptr, 10);
    const long clicks = std::strtol(argv[2], nullptr, 10);
    SetCursorPos(std::atoi(argv[3]), std::atoi(argv[4]));

    INPUT click[2]{};
    for (INPUT& input : click) {
        input.type = INPUT_MOUSE;
        input.mi.dwExtraInfo = kFloorExtraInfo;
    }
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;

    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    const long long period = intervalMs * frequency.QuadPart / 1000;
    long long due = start.QuadPart;
    for (long i = 0; i < clicks; ++i) {
        due += period;
        do {
            QueryPerformanceCounter(&now);
        } while (now.QuadPart < due);
        SendInput(2, click, sizeof(INPUT));
    }
    QueryPerformanceCounter(&now);

    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    std::printf("%lld %lld\n", Microseconds(kernel) + Microseconds(user),
                (now.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart);
    return 0;
}
