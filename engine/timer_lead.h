#pragma once
// How long before a click's due time timer 1 wakes the tick. A window timer fires late by part
// of the system's timer tick, and now and then by more; the tick then waits out the rest
// precisely. The lead learns from how late the timer has been: at once when it was later than
// the lead covers, slowly back down while it keeps well within it.

#include <cstdint>

namespace quorvel {

class TimerLead {
public:
    static constexpr std::int64_t kInitialMicroseconds = 4000;
    static constexpr std::int64_t kLeastMicroseconds = 2000;
    // The coarsest system timer tick, 15.6 ms, for a system that keeps no finer resolution.
    static constexpr std::int64_t kMostMicroseconds = 16000;
    // Ticks in a row well within the lead before it shrinks by a millisecond.
    static constexpr int kQuietTicksToShrink = 256;

    std::int64_t Microseconds() const { return lead_; }
    // How much later than asked the timer woke the tick (negative when early). A stall longer
    // than the coarsest timer tick teaches nothing.
    void Observe(std::int64_t latenessMicroseconds);

private:
    std::int64_t lead_ = kInitialMicroseconds;
    int quietTicks_ = 0;
};

}  // namespace quorvel
