#include "engine/timer_lead.h"

#include <algorithm>

namespace quorvel {
namespace {

constexpr std::int64_t kMillisecond = 1000;
// Covers the few microseconds between the timer's message and the tick's reading of the clock.
constexpr std::int64_t kMarginMicroseconds = 500;

}  // namespace

void TimerLead::Observe(std::int64_t latenessMicroseconds) {
    // Later than the coarsest timer tick is a stall of the machine, not how the timer fires.
    if (latenessMicroseconds > kMostMicroseconds) return;
    const std::int64_t needed =
        std::max<std::int64_t>(latenessMicroseconds, 0) + kMarginMicroseconds;
    if (needed > lead_) {
        // Whole milliseconds, the unit the timer is armed in.
        const std::int64_t rounded = (needed + kMillisecond - 1) / kMillisecond * kMillisecond;
        lead_ = std::min(rounded, kMostMicroseconds);
        quietTicks_ = 0;
        return;
    }
    if (needed > lead_ - kMillisecond) {
        quietTicks_ = 0;
        return;
    }
    if (++quietTicks_ < kQuietTicksToShrink) return;
    lead_ = std::max(lead_ - kMillisecond, kLeastMicroseconds);
    quietTicks_ = 0;
}

}  // namespace quorvel
