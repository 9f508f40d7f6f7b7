// Times how long Quorvel's main window takes to answer a message while it clicks: sends it
// WM_NULL every 15 ms for 10 s and prints one line per message, the milliseconds until the
// answer, or "timeout" when none came within a second. Exits with 1 when there is no window, or
// when it goes away.
//
//   answer_probe

#include <windows.h>

#include <cstdio>

namespace {

constexpr DWORD kProbeMs = 10000;
constexpr DWORD kEveryMs = 15;
constexpr UINT kAnswerTimeoutMs = 1000;

LONGLONG Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

}  // namespace

int main() {
    const HWND window = FindWindowA("#32770", "Quorvel");
    if (window == nullptr) {
        std::fprintf(stderr, "answer_probe: no Quorvel window\n");
        return 1;
    }
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const ULONGLONG end = GetTickCount64() + kProbeMs;
    while (GetTickCount64() < end) {
        const LONGLONG sent = Now();
        DWORD_PTR result = 0;
        const bool answered =
            SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &result) != 0;
        const LONGLONG answeredAt = Now();
        if (answered) {
            std::printf("%.3f\n", 1000.0 * static_cast<double>(answeredAt - sent) /
                                      static_cast<double>(frequency.QuadPart));
        } else if (IsWindow(window)) {
            std::printf("timeout\n");
        } else {
            std::fprintf(stderr, "answer_probe: the Quorvel window went away\n");
            return 1;
        }
        Sleep(kEveryMs);
    }
    return 0;
}
