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
            // A wait shorter than the spin teaches nothing, so the spin gives way now and then
            // and a later wait sleeps again and finds out what the sleeps cost now.
            if (spun && !slept) CoveredWait(kLeastSpinMicroseconds);
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
    const std::int64_t needed =
        std::max<std::int64_t>(latenessMicroseconds, 0) + kSpinMarginMicroseconds;
    // Up at once, so that the next wait ends on time.
    if (needed > spin_) {
        spin_ = std::min(needed, kMostSpinMicroseconds);
        if (lowered_) waitsBetweenTries_ = std::min(2 * waitsBetweenTries_, kMostWaitsBetweenTries);
        lowered_ = false;
        coveredWaits_ = 0;
        waitsSinceLate_ = 0;
        return;
    }
    // A timer that keeps time brings the spin down at every wait, and a stall costs a few waits
    // of spinning, not a run's worth.
    CoveredWait(std::max(needed, kLeastSpinMicroseconds));
}

void PreciseWait::CoveredWait(std::int64_t enoughMicroseconds) {
    if (++waitsSinceLate_ >= kWaitsThatForgiveATry) {
        waitsBetweenTries_ = std::max(waitsBetweenTries_ / 2, 1);
        waitsSinceLate_ = 0;
    }
    if (++coveredWaits_ < waitsBetweenTries_) return;
    coveredWaits_ = 0;
    // Down by a quarter of the difference, so that a timer whose lateness varies a little stays
    // covered.
    const std::int64_t shorter = spin_ - (spin_ - enoughMicroseconds) / 4;
    if (shorter < spin_) lowered_ = true;
    spin_ = shorter;
}

}  // namespace quorvel
