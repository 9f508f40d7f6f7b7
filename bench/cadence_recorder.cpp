// Records the time of every mouse button message that reaches a large window, with the extra
// information of the input behind it, so that two click sources can be timed on one clock.
//
//   cadence_recorder <output file> <left> <top> <width> <height>
//
// Writes "frequency <counts per second>" once the window is in the foreground under the cursor,
// then one line per message: "<performance counter> <message> <extra information>". Each line is
// flushed at once, so a reader can follow the file while clicks arrive.

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "tests/support/button_messages.h"

namespace {

constexpr char kClassName[] = "QuorvelCadenceRecorder";
constexpr DWORD kReadyTimeoutMs = 10000;

std::FILE* output = nullptr;

LRESULT CALLBACK RecorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (quorvel::test::IsButtonMessage(message)) {
        // The counter is read first: formatting and writing must not delay the stamp.
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        std::fprintf(output, "%lld %u %llu\n", now.QuadPart, message,
                     static_cast<unsigned long long>(GetMessageExtraInfo()));
        std::fflush(output);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateRecorderWindow(const RECT& area) {
    // No CS_DBLCLKS: a quick second press must stay a press, as it was sent.
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = RecorderProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassA(&windowClass) == 0) return nullptr;
    // Topmost, so that the clicks land here even when another program's window is shown.
    return CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, "Cadence recorder",
                           WS_POPUP | WS_VISIBLE, area.left, area.top, area.right - area.left,
                           area.bottom - area.top, nullptr, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool IsReady(HWND window) {
    POINT cursor{};
    return GetForegroundWindow() == window && GetCursorPos(&cursor) &&
           WindowFromPoint(cursor) == window;
}

// Activation and the cursor can be taken by another window, so both are asked for each round.
bool BecomeReady(HWND window, POINT centre) {
    const ULONGLONG deadline = GetTickCount64() + kReadyTimeoutMs;
    while (GetTickCount64() < deadline) {
        PumpMessages();
        if (IsReady(window)) return true;
        SetForegroundWindow(window);
        SetCursorPos(centre.x, centre.y);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr,
                     "usage: cadence_recorder <output file> <left> <top> <width> <height>\n");
        return 2;
    }
    const int left = std::atoi(argv[2]);
    const int top = std::atoi(argv[3]);
    const RECT area{left, top, left + std::atoi(argv[4]), top + std::atoi(argv[5])};

    // Binary, so that lines end in a bare newline for the shell tools that follow the file.
    output = std::fopen(argv[1], "wb");
    if (output == nullptr) {
        std::fprintf(stderr, "cadence_recorder: cannot write %s\n", argv[1]);
        return 1;
    }
    const HWND window = CreateRecorderWindow(area);
    if (window == nullptr ||
        !BecomeReady(window, {(area.left + area.right) / 2, (area.top + area.bottom) / 2})) {
        std::fprintf(stderr, "cadence_recorder: the window did not get the foreground\n");
        return 1;
    }
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::fprintf(output, "frequency %lld\n", frequency.QuadPart);
    std::fflush(output);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    std::fclose(output);
    return 0;
}
