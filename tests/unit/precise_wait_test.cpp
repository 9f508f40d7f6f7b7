#include "engine/precise_wait.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/held_buttons.h"

namespace quorvel::test {
namespace {

// Sleeps that end a fixed time late on a clock that only they and the spin move on, the spin by
// 10 us a turn; with a granularity, a sleep first lasts the next whole multiple of it.
class FakeSleeps : public SleepPort {
public:
    std::int64_t SteadyMicroseconds() override { return now; }
    bool SleepsFinely() override { return fine; }
    SleepEnd Sleep(std::int64_t microseconds) override {
        sleeps.push_back(microseconds);
        if (fail) return SleepEnd::Failed;
        if (granularity > 0) {
            microseconds = (microseconds + granularity - 1) / granularity * granularity;
        }
        now += microseconds + lateness;
        return SleepEnd::Slept;
    }
    bool Interrupted() override { return false; }
    void LetOthersRun() override {
        now += 10;
        spins += 10;
    }

    std::int64_t now = 0;
    std::int64_t lateness = 0;
    std::int64_t granularity = 0;
    bool fine = true;
    bool fail = false;
    std::int64_t spins = 0;
    std::vector<std::int64_t> sleeps;
};

// Waits `count` times for a period after the last due time, as a run at that interval does.
std::int64_t WaitPeriods(PreciseWait& wait, FakeSleeps& sleeps, int count, std::int64_t period) {
    std::int64_t latest = 0;
    std::int64_t due = sleeps.now;
    for (int i = 0; i < count; ++i) {
        due += period;
        EXPECT_EQ(wait.WaitUntil(due), WaitEnd::Reached);
        latest = std::max(latest, sleeps.now - due);
    }
    return latest;
}

TEST(PreciseWait, ATimerThatKeepsTimeBringsTheSpinToItsFloorAtEveryInterval) {
    for (std::int64_t period : {1000, 2000, 100000}) {
        SCOPED_TRACE(period);
        FakeSleeps sleeps;
        PreciseWait wait(sleeps);
        sleeps.lateness = 900;  // a stall raises the spin to its top
        WaitPeriods(wait, sleeps, 1, period);
        EXPECT_GE(wait.SpinMicroseconds(), 900);
        sleeps.lateness = 0;
        WaitPeriods(wait, sleeps, 16, period);
        EXPECT_LE(wait.SpinMicroseconds(), PreciseWait::kLeastSpinMicroseconds + 10);
        sleeps.spins = 0;
        EXPECT_LT(WaitPeriods(wait, sleeps, 100, period), 10);
        EXPECT_LE(sleeps.spins, 100 * (PreciseWait::kLeastSpinMicroseconds + 10));
    }
}

TEST(PreciseWait, ALateTimerRaisesTheSpinAtOnceSoThatWaitsStillEndOnTime) {
    FakeSleeps sleeps;
    PreciseWait wait(sleeps);
    sleeps.lateness = 600;
    WaitPeriods(wait, sleeps, 1, 1000);
    EXPECT_GE(wait.SpinMicroseconds(), 600);
    EXPECT_LE(WaitPeriods(wait, sleeps, 100, 1000), 10);
    EXPECT_LE(WaitPeriods(wait, sleeps, 100, 20000), 10);
}

TEST(PreciseWait, ATimerThatWakesOnWholeMillisecondsLeavesAtMostOneWaitInAHundredLate) {
    for (std::int64_t period : {1000, 2000, 5000, 20000}) {
        SCOPED_TRACE(period);
        FakeSleeps sleeps;
        sleeps.granularity = 1000;
        sleeps.lateness = 100;
        PreciseWait wait(sleeps);
        WaitPeriods(wait, sleeps, 100, period);
        int late = 0;
        std::int64_t due = sleeps.now;
        for (int i = 0; i < 1000; ++i) {
            due += period;
            wait.WaitUntil(due);
            if (sleeps.now - due > 10) ++late;
        }
        // Each try at a shorter spin makes one wait late, and the tries grow rarer.
        EXPECT_LE(late, 10);
    }
}

TEST(PreciseWait, WithoutFineSleepsItSleepsWholeMillisecondsAndSpinsTheRest) {
    FakeSleeps sleeps;
    sleeps.fine = false;
    PreciseWait wait(sleeps);
    EXPECT_LT(WaitPeriods(wait, sleeps, 20, 2500), 10);
    for (std::int64_t sleep : sleeps.sleeps) EXPECT_EQ(sleep % 1000, 0) << sleep;
    EXPECT_FALSE(sleeps.sleeps.empty());
}

TEST(PreciseWait, AFailedSleepIsReportedAndNeverTakenForTheTimeReached) {
    FakeSleeps sleeps;
    sleeps.fail = true;
    PreciseWait wait(sleeps);
    EXPECT_EQ(wait.WaitUntil(50000), WaitEnd::Failed);
    EXPECT_EQ(sleeps.sleeps.size(), 1u) << "a failing wait must not turn into a busy loop";
}

TEST(HeldButtons, ARefusedReleaseIsDueAgainUntilItGoesThroughAndARefusedPressHoldsNothing) {
    HeldButtons held;
    held.Sent(ButtonEvent::RightDown, false);
    held.Sent(ButtonEvent::RightUp, false);
    EXPECT_FALSE(held.Any());

    held.Sent(ButtonEvent::LeftDown, true);
    held.Sent(ButtonEvent::MiddleDown, true);
    EXPECT_TRUE(held.RefusedReleases().empty()) << "a button held for its pause is no refusal";
    held.Sent(ButtonEvent::LeftUp, false);
    EXPECT_EQ(held.RefusedReleases(), std::vector{ButtonEvent::LeftUp});
    EXPECT_EQ(held.AllReleases(), (std::vector{ButtonEvent::LeftUp, ButtonEvent::MiddleUp}));
    held.Sent(ButtonEvent::LeftUp, true);
    held.Sent(ButtonEvent::MiddleUp, true);
    EXPECT_FALSE(held.Any());
    EXPECT_TRUE(held.RefusedReleases().empty());
}

}  // namespace
}  // namespace quorvel::test
