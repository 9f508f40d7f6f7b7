#include "platform/thread_sleep.h"

#include <algorithm>
#include <chrono>

#include "platform/newer_windows.h"

namespace quorvel::win {
namespace {

constexpr UINT kWakers = QS_HOTKEY | QS_SENDMESSAGE;

bool HotKeyWaiting() { return HIWORD(GetQueueStatus(QS_HOTKEY)) != 0; }

void AnswerSentMessages() {
    MSG msg;
    // Peeking delivers what is sent to the thread's windows; the filter keeps every posted
    // message in the queue.
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

}  // namespace

std::int64_t SteadyMicroseconds() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

ThreadSleep::ThreadSleep() : timer_(CreateHighResolutionTimer()) {}

std::int64_t ThreadSleep::SteadyMicroseconds() { return win::SteadyMicroseconds(); }

SleepEnd ThreadSleep::Sleep(std::int64_t microseconds) {
    const std::int64_t end = SteadyMicroseconds() + microseconds;
    HANDLE timer = timer_.get();
    DWORD handles = 0;
    // Relative, in 100 ns units: the steady clock, not the wall clock, says when it is time.
    LARGE_INTEGER due{};
    due.QuadPart = -microseconds * 10;
    if (timer_ && SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) handles = 1;
    for (;;) {
        DWORD timeout = INFINITE;
        if (handles == 0) {
            const std::int64_t left = std::max<std::int64_t>(end - SteadyMicroseconds(), 0);
            timeout = static_cast<DWORD>(std::min<std::int64_t>(left / 1000, INFINITE - 1));
        }
        // MWMO_INPUTAVAILABLE: a hot key or a sent message already seen but still queued ends
        // the sleep too.
        const DWORD woken =
            MsgWaitForMultipleObjectsEx(handles, &timer, timeout, kWakers, MWMO_INPUTAVAILABLE);
        if (woken == WAIT_TIMEOUT || (handles != 0 && woken == WAIT_OBJECT_0)) {
            return SleepEnd::Slept;
        }
        if (woken != WAIT_OBJECT_0 + handles || HotKeyWaiting()) {
            if (handles != 0) CancelWaitableTimer(timer);
            return woken == WAIT_OBJECT_0 + handles ? SleepEnd::Interrupted : SleepEnd::Failed;
        }
        AnswerSentMessages();
    }
}

bool ThreadSleep::Interrupted() { return HotKeyWaiting(); }

// Yielding, not pausing: the programs our clicks go to may be waiting for this core.
void ThreadSleep::LetOthersRun() { SwitchToThread(); }

}  // namespace quorvel::win
