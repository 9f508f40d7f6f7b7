#pragma once
// The one message pump of the drivers. Inline, so that the click recorder, which the win32 tests
// share, needs no other part of the kit.

#include <windows.h>

#include <algorithm>
#include <functional>

namespace quorvel::test {

// The time-out for anything that the program under test should do promptly.
constexpr DWORD kPromptMs = 10000;

// Dispatches the messages already queued for this thread's windows. It returns at the first one
// queued after the call began: a program clicking faster than the recorder takes its clicks in
// would otherwise keep the queue from ever running dry, and the caller would never ask again.
inline void DispatchPendingMessages() {
    const DWORD called = GetTickCount();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        if (static_cast<LONG>(msg.time - called) > 0) return;
    }
}

// Polls the condition until it holds or the deadline passes; this thread's messages are
// dispatched meanwhile, so windows the caller owns (the click recorder) stay responsive. The
// condition is asked again at least every sliceMs.
inline bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD sliceMs = 20) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        DispatchPendingMessages();
        if (condition()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        // Wakes for every new message, and after the slice, since some conditions (foreground,
        // cursor, another process's windows) change without one.
        const DWORD slice = static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, sliceMs));
        MsgWaitForMultipleObjectsEx(0, nullptr, slice, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

}  // namespace quorvel::test
