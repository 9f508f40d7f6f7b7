// Measures the clocks that bound a timer-driven click cadence on this system: the performance
// counter's rate, what a window timer (SetTimer on a window, as Quorvel's timer 1) asked for 1 ms
// and for 20 ms really delivers, how long Sleep(1) takes, and how late a high-resolution waitable
// timer (the precise wait's) wakes. Prints "<name> <value>" lines,
// times in milliseconds.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kTicks = 100;

double Milliseconds(LONGLONG counts) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counts) / static_cast<double>(frequency.QuadPart);
}

LONGLONG Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
    return values[index];
}

constexpr UINT_PTR kTimerId = 1;

// A message-only window is enough to own a window timer.
HWND CreateTimerWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "QuorvelTimerProbe";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           windowClass.hInstance, nullptr);
}

// The periods between successive WM_TIMER messages of one window timer.
std::vector<double> TimerPeriods(HWND window, UINT requestedMs) {
    std::vector<double> periods;
    if (window == nullptr || SetTimer(window, kTimerId, requestedMs, nullptr) == 0) return periods;
    LONGLONG previous = 0;
    MSG message;
    while (periods.size() < kTicks && GetMessageA(&message, window, 0, 0) > 0) {
        if (message.message != WM_TIMER || message.wParam != kTimerId) continue;
        const LONGLONG now = Now();
        if (previous != 0) periods.push_back(Milliseconds(now - previous));
        previous = now;
    }
    KillTimer(window, kTimerId);
    return periods;
}

std::vector<double> SleepDurations(DWORD requestedMs) {
    std::vector<double> durations;
    for (int i = 0; i < kTicks; ++i) {
        const LONGLONG start = Now();
        Sleep(requestedMs);
        durations.push_back(Milliseconds(Now() - start));
    }
    return durations;
}

// How much later than asked a high-resolution waitable timer, armed afresh each time, wakes a
// wait for 500 us; empty where the system has no such timer.
std::vector<double> HighResolutionOvershoots() {
    constexpr DWORD kHighResolution = 0x2;  // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
    constexpr LONGLONG kAskedHundredsOfNs = 5000;
    std::vector<double> overshoots;
    const HANDLE timer =
        CreateWaitableTimerExW(nullptr, nullptr, kHighResolution, TIMER_ALL_ACCESS);
    if (timer == nullptr) return overshoots;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (int i = 0; i < kTicks; ++i) {
        LARGE_INTEGER due;
        due.QuadPart = -kAskedHundredsOfNs;
        const LONGLONG start = Now();
        SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE);
        WaitForSingleObject(timer, INFINITE);
        overshoots.push_back(Milliseconds(Now() - start) - kAskedHundredsOfNs / 10000.0);
    }
    CloseHandle(timer);
    return overshoots;
}

void PrintSummary(const char* name, const std::vector<double>& values) {
    if (values.empty()) {
        std::printf("%s_p50 failed\n", name);
        return;
    }
    std::printf("%s_p50 %.3f\n%s_p99 %.3f\n%s_max %.3f\n", name, Percentile(values, 0.5), name,
                Percentile(values, 0.99), name, *std::max_element(values.begin(), values.end()));
}

}  // namespace

int main() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::printf("counter_hz %lld\n", frequency.QuadPart);
    const HWND window = CreateTimerWindow();
    PrintSummary("timer_1ms_period", TimerPeriods(window, 1));
    PrintSummary("timer_20ms_period", TimerPeriods(window, 20));
    PrintSummary("sleep_1ms", SleepDurations(1));
    PrintSummary("high_resolution_timer_500us_overshoot", HighResolutionOvershoots());
    return 0;
}
