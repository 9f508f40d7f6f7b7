#include "engine/precise_wait.h"

#include <algorithm>

namespace quorvel {

WaitEnd PreciseWait::WaitUntil(std::int64_t steadyMicroseconds) {
    bool slept = false;
    bool spun = false;
    std::int64_t lookedForKey = 0;
    for (;;) {
        const std::int64_t now = sleeps_.SteadyMicroseconds();
        if (now >= steadyMicroseconds) {
            // A wait shorter than the spin teaches nothing, so the spin gives way a little and a
            // later wait sleeps again and finds out what the sleeps cost now.
            if (spun && !slept) ShrinkTowardsFloor(4);
            return WaitEnd::Reached;
        }
        std::int64_t sleep = steadyMicroseconds - spin_ - now;
        if (!sleeps_.SleepsFinely()) sleep -= sleep % 1000;
        if (sleep > 0) {
            switch (sleeps_.Sleep(sleep)) {
            case SleepEnd::Interrupted:
                return WaitEnd::Interrupted;
            case SleepEnd::Failed:
                return WaitEnd::Failed;
            case SleepEnd::Slept:
                break;
            }
            slept = true;
            LearnLateness(sleeps_.SteadyMicroseconds() - (now + sleep));
            continue;
        }
        // Asking costs a call into the system (under wine one to its server), and a key press
        // that came this short a time before the click may still let it through.
        if (!spun || now - lookedForKey >= kKeyLookMicroseconds) {
            if (sleeps_.Interrupted()) return WaitEnd::Interrupted;
            lookedForKey = now;
        }
        spun = true;
        sleeps_.LetOthersRun();
    }
}

void PreciseWait::LearnLateness(std::int64_t latenessMicroseconds) {
    const std::int64_t needed = std::max<std::int64_t>(latenessMicroseconds, 0) +
                                kSpinMarginMicroseconds;
    // Up at once, so that the next wait ends on time; down by a quarter of the difference, so
    // that a timer whose lateness varies stays covered most of the time, while a single stall
    // costs a few waits of spinning, not a run's worth.
    if (needed >= spin_) {
        spin_ = std::min(needed, kMostSpinMicroseconds);
    } else {
        spin_ -= (spin_ - std::max(needed, kLeastSpinMicroseconds)) / 4;
    }
}

void PreciseWait::ShrinkTowardsFloor(std::int64_t divisor) {
    spin_ -= (spin_ - kLeastSpinMicroseconds) / divisor;
}

}  // namespace quorvel
