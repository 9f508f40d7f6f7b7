#include "platform/precise_wait.h"

#include <algorithm>
#include <chrono>

#include "platform/newer_windows.h"

namespace quorvel::win {
namespace {

// Bounds of the spin at the end of a wait: a sleep that keeps to the millisecond ends at most
// about that much late.
constexpr std::int64_t kLeastSpinMicroseconds = 100;
constexpr std::int64_t kMostSpinMicroseconds = 1000;
// How quickly the spin shrinks again after a late sleep, per wait.
constexpr std::int64_t kSpinShrinkMicroseconds = 10;
constexpr std::int64_t kSpinMarginMicroseconds = 100;

bool HotKeyWaiting() { return HIWORD(GetQueueStatus(QS_HOTKEY)) != 0; }

}  // namespace

std::int64_t SteadyMicroseconds() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

PreciseWait::PreciseWait()
    : timer_(CreateHighResolutionTimer()), spinMicroseconds_(kMostSpinMicroseconds) {}

bool PreciseWait::WaitUntil(std::int64_t steadyMicroseconds) {
    for (;;) {
        const std::int64_t now = SteadyMicroseconds();
        if (now >= steadyMicroseconds) return true;
        const std::int64_t sleepUntil = steadyMicroseconds - spinMicroseconds_;
        if (sleepUntil - now >= 1000 || (timer_ && sleepUntil > now)) {
            if (!Sleep(sleepUntil - now)) return false;
            LearnLateness(SteadyMicroseconds() - sleepUntil);
            continue;
        }
        if (HotKeyWaiting()) return false;
        // Yielding, not pausing: the programs our clicks go to may be waiting for this core.
        SwitchToThread();
    }
}

bool PreciseWait::Sleep(std::int64_t microseconds) {
    HANDLE timer = timer_.get();
    DWORD handles = 0;
    DWORD timeout = static_cast<DWORD>(std::min<std::int64_t>(microseconds / 1000, INFINITE - 1));
    // Relative, in 100 ns units: the steady clock, not the wall clock, says when it is time.
    LARGE_INTEGER due{};
    due.QuadPart = -microseconds * 10;
    if (timer_ && SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
        handles = 1;
        timeout = INFINITE;
    }
    // MWMO_INPUTAVAILABLE: a hot key already seen but still queued ends the sleep too.
    const DWORD woken =
        MsgWaitForMultipleObjectsEx(handles, &timer, timeout, QS_HOTKEY, MWMO_INPUTAVAILABLE);
    if (woken != WAIT_OBJECT_0 + handles) return true;
    if (handles != 0) CancelWaitableTimer(timer);
    return false;
}

void PreciseWait::LearnLateness(std::int64_t latenessMicroseconds) {
    spinMicroseconds_ = std::clamp(std::max(latenessMicroseconds + kSpinMarginMicroseconds,
                                            spinMicroseconds_ - kSpinShrinkMicroseconds),
                                   kLeastSpinMicroseconds, kMostSpinMicroseconds);
}

}  // namespace quorvel::win
