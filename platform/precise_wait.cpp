#include "platform/precise_wait.h"

#include <chrono>

#include "platform/newer_windows.h"

namespace quorvel::win {
namespace {

// What is left to spin through after a millisecond sleep; a sleep with 1 ms resolution may end
// up to about that much late.
constexpr std::int64_t kSpinMicroseconds = 1000;

bool HotKeyWaiting() { return HIWORD(GetQueueStatus(QS_HOTKEY)) != 0; }

}  // namespace

std::int64_t SteadyMicroseconds() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

PreciseWait::PreciseWait() : timer_(CreateHighResolutionTimer()) {}

bool PreciseWait::WaitUntil(std::int64_t steadyMicroseconds) {
    for (;;) {
        const std::int64_t remaining = steadyMicroseconds - SteadyMicroseconds();
        if (remaining <= 0) return true;
        bool hotKey = false;
        if (SleepOnTimer(remaining, hotKey)) {
            if (hotKey) return false;
            continue;
        }
        if (remaining > kSpinMicroseconds) {
            const auto milliseconds = static_cast<DWORD>((remaining - kSpinMicroseconds) / 1000);
            // MWMO_INPUTAVAILABLE: a hot key already seen but still queued ends the wait too.
            if (MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_HOTKEY,
                                            MWMO_INPUTAVAILABLE) == WAIT_OBJECT_0) {
                return false;
            }
            continue;
        }
        if (HotKeyWaiting()) return false;
        YieldProcessor();
    }
}

// False when there is no high-resolution timer to sleep on, or it could not be armed.
bool PreciseWait::SleepOnTimer(std::int64_t remainingMicroseconds, bool& hotKey) {
    if (!timer_) return false;
    // Relative, in 100 ns units: the steady clock, not the wall clock, says when it is time.
    LARGE_INTEGER due{};
    due.QuadPart = -remainingMicroseconds * 10;
    if (!SetWaitableTimer(timer_.get(), &due, 0, nullptr, nullptr, FALSE)) return false;
    HANDLE timer = timer_.get();
    const DWORD woken =
        MsgWaitForMultipleObjectsEx(1, &timer, INFINITE, QS_HOTKEY, MWMO_INPUTAVAILABLE);
    if (woken == WAIT_OBJECT_0 + 1) {
        hotKey = true;
        CancelWaitableTimer(timer);
        return true;
    }
    return woken == WAIT_OBJECT_0;
}

}  // namespace quorvel::win
