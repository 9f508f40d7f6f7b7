#include "engine/click_scheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "crt_draws.h"
#include "engine_fakes.h"

namespace quorvel::test {
namespace {

// Timer 1 wakes the tick this long before a click is due, until it learns otherwise.
constexpr std::uint32_t kLeadMs = TimerLead::kInitialMicroseconds / 1000;

constexpr const char* kScheduled = "NOW - Mouse Clicks Scheduled.";
constexpr const char* kPressKey = "Press Ctrl + F6 to Start / Stop Mouse Clicking.";
constexpr const char* kAssignKey = "Assign a Shortcut Key to Start and Stop the Mouse Clicking.";
constexpr const char* kArmingFailure =
    "Failed to Start Timer.\nTry Some Lower Value or Change Duration Selector (Milli Second(s), "
    "Second(s), or Minute(s).";

std::string ClickText(int clicks, int x, int y, int next, const std::string& unit) {
    return "NOW - " + std::to_string(clicks) +
           " Clicks Done, Last Click at X = " + std::to_string(x) + " & Y = " + std::to_string(y) +
           ", Next Click in " + std::to_string(next) + " " + unit;
}

// The scheduler with its fakes on one clock, which the click's pauses move on.
struct Rig {
    FakeHost host;
    FakeTimer timer;
    FakeMouse mouse;
    FakeCursor cursor;
    ClickScheduler scheduler{host, timer, mouse, mouse, cursor};

    Rig() {
        mouse.clock = &host.steadyMicroseconds;
        timer.clock = &host.steadyMicroseconds;
        host.settings.howManyClicks = 0;
        host.settings.fixedDelayInClicks = 100;
        host.settings.fixedDelayScale = 0;
    }

    // Fires timer 1 as the platform does: only while it is armed, once its time has come.
    int RunArmedTicks(int limit, std::int64_t latenessMicroseconds = 0) {
        int ticks = 0;
        for (; timer.armed && ticks < limit; ++ticks) {
            host.steadyMicroseconds = timer.FiresAt(latenessMicroseconds);
            scheduler.OnClickTimer();
        }
        return ticks;
    }

    void StopIfClicking() {
        if (scheduler.IsClicking()) scheduler.StartStopClicking();
    }
};

class ClickSchedulerTest : public ::testing::Test, protected Rig {};

TEST_F(ClickSchedulerTest, StartArmsTheIntervalAndStopReturnsToIdle) {
    scheduler.StartStopClicking();
    EXPECT_EQ(host.statuses, std::vector<std::string>{kScheduled});
    EXPECT_EQ(timer.armings, std::vector<std::uint32_t>{100 - kLeadMs});
    EXPECT_EQ(host.icons, std::vector<bool>{true});
    EXPECT_EQ(scheduler.State(), SchedulerState::Running);
    EXPECT_TRUE(timer.precise) << "a run holds the timer precision";
    EXPECT_EQ(host.refreshes, 1);

    EXPECT_EQ(RunArmedTicks(2), 2);
    scheduler.StartStopClicking();
    EXPECT_FALSE(timer.armed);
    EXPECT_FALSE(timer.precise);
    EXPECT_EQ(mouse.releasesOfHeld, 1) << "a refused release must not outlast the run";
    EXPECT_EQ(host.icons, (std::vector<bool>{true, false}));
    EXPECT_EQ(host.LastStatus(), kPressKey);
    EXPECT_EQ(scheduler.State(), SchedulerState::Idle);
    EXPECT_EQ(scheduler.ClicksDone(), 2) << "a stop keeps the count";

    host.hotKeyAssigned = false;
    scheduler.StartStopClicking();
    EXPECT_EQ(scheduler.ClicksDone(), 0) << "a start resets the count";
    scheduler.StartStopClicking();
    EXPECT_EQ(host.LastStatus(), kAssignKey);
}

TEST_F(ClickSchedulerTest, ATickLeftInTheQueueAfterAStopClicksNothing) {
    scheduler.StartStopClicking();
    scheduler.StartStopClicking();
    scheduler.OnClickTimer();
    EXPECT_TRUE(mouse.steps.empty());
    EXPECT_EQ(scheduler.ClicksDone(), 0);
    EXPECT_FALSE(timer.armed);
    EXPECT_EQ(host.LastStatus(), kPressKey);
}

TEST_F(ClickSchedulerTest, CountLimitEndsTheRunAfterExactlyThatManyClicks) {
    host.settings.howManyClicks = 1;
    host.settings.fixedClicksCount = 3;
    host.settings.fixedDelayInClicks = 250;
    cursor.position = {5, 6};
    scheduler.StartStopClicking();
    RunArmedTicks(1);
    RunArmedTicks(1);
    host.hotKeyAssigned = false;  // the key is cleared before the last click

    EXPECT_EQ(RunArmedTicks(100), 1);
    EXPECT_EQ(mouse.Buttons().size(), 6u);
    EXPECT_EQ(host.statuses,
              (std::vector<std::string>{kScheduled, ClickText(1, 5, 6, 250, "Milli Second(s)"),
                                        ClickText(2, 5, 6, 250, "Milli Second(s)"), kAssignKey}));
    EXPECT_EQ(host.icons, (std::vector<bool>{true, false}));
    EXPECT_EQ(timer.armings, std::vector<std::uint32_t>(3, 250 - kLeadMs));
    EXPECT_EQ(scheduler.State(), SchedulerState::Idle);
    EXPECT_FALSE(timer.precise);
    EXPECT_EQ(mouse.releasesOfHeld, 1);
}

TEST_F(ClickSchedulerTest, CountLimitAlreadyReachedNeverStarts) {
    host.settings.howManyClicks = 1;
    for (int count : {0, -4}) {
        host.settings.fixedClicksCount = count;
        for (int press = 0; press < 2; ++press) {
            scheduler.StartStopClicking();
            EXPECT_EQ(scheduler.State(), SchedulerState::Idle);
            EXPECT_EQ(host.LastStatus(), kPressKey);
        }
    }
    EXPECT_TRUE(timer.armings.empty());
    EXPECT_TRUE(mouse.steps.empty());
    EXPECT_EQ(host.icons, std::vector<bool>(4, false));
}

TEST_F(ClickSchedulerTest, ClickingUntilStoppedIgnoresTheCount) {
    host.settings.fixedClicksCount = 2;
    scheduler.StartStopClicking();
    EXPECT_EQ(RunArmedTicks(5), 5);
    EXPECT_EQ(scheduler.State(), SchedulerState::Running);
    EXPECT_EQ(scheduler.ClicksDone(), 5);
}

struct UnitCase {
    int delayMode;
    int fixedValue, fixedUnit;
    int randomFrom, randomTo, randomUnit;
    int intervalMs;
    std::string textEnd;
};

TEST_F(ClickSchedulerTest, UnitsScaleTheIntervalAndNameItInTheText) {
    const std::vector<UnitCase> cases = {
        {1, 250, 0, 1, 100, 2, 250, "250 Milli Second(s)"},
        {1, 90, 1, 1, 100, 0, 90000, "90 Second(s)"},
        {1, 2, 2, 1, 100, 0, 120000, "2 Minute(s)"},
        {0, 7, 2, 5, 6, 0, 5, "5 Milli Second(s)"},
        {0, 7, 0, 8, 8, 1, 8000, "8 Second(s)"},
        {0, 7, 0, 9, 4, 2, 540000, "9 Minute(s)"},
    };
    for (const UnitCase& c : cases) {
        SCOPED_TRACE(c.textEnd);
        StopIfClicking();
        host.settings.delayBetweenClicks = c.delayMode;
        host.settings.fixedDelayInClicks = c.fixedValue;
        host.settings.fixedDelayScale = c.fixedUnit;
        host.settings.randomDelayFrom = c.randomFrom;
        host.settings.randomDelayTo = c.randomTo;
        host.settings.randomDelayScale = c.randomUnit;
        scheduler.StartStopClicking();
        RunArmedTicks(1);
        EXPECT_EQ(scheduler.IntervalMs(), c.intervalMs);
        EXPECT_EQ(host.LastStatus(),
                  "NOW - 1 Clicks Done, Last Click at X = 0 & Y = 0, "
                  "Next Click in " +
                      c.textEnd);
    }
}

// The draws of one run in the order the scheduler makes them: the first interval at the
// start, then per click the point, the press-release pause and the next interval.
struct SeededRun {
    std::vector<std::uint32_t> armings;
    std::vector<Point> points;
    std::vector<std::uint32_t> pauses;
};

SeededRun ExpectedRun(std::uint32_t seed, int clicks) {
    CrtDraws draws(seed);
    SeededRun run;
    run.armings.push_back(static_cast<std::uint32_t>(draws.Between(1, 3) * 1000) - kLeadMs);
    for (int i = 0; i < clicks; ++i) {
        const int x = draws.Between(100, 150);
        const int y = draws.Between(200, 240);
        run.points.push_back({x, y});
        run.pauses.push_back(static_cast<std::uint32_t>(draws.Between(50, 200)));
        if (i + 1 < clicks) {
            run.armings.push_back(static_cast<std::uint32_t>(draws.Between(1, 3) * 1000) - kLeadMs);
        }
    }
    return run;
}

class SeededRunTest : public ClickSchedulerTest {
protected:
    void SetUp() override {
        host.settings.clickLocation = 2;
        host.settings.locX = 100;
        host.settings.locY = 200;
        host.settings.locWidth = 50;
        host.settings.locHeight = 40;
        host.settings.delayBetweenClicks = 0;
        host.settings.randomDelayFrom = 1;
        host.settings.randomDelayTo = 3;
        host.settings.randomDelayScale = 1;
        host.settings.howManyClicks = 1;
        host.settings.fixedClicksCount = 4;
    }
};

TEST_F(SeededRunTest, EveryPointPauseAndIntervalFollowsTheSeed) {
    host.seconds = 0x1'2345'6789;  // beyond 32 bits: the seed keeps the low 32
    scheduler.StartStopClicking();
    EXPECT_EQ(RunArmedTicks(100), 4);

    const SeededRun expected = ExpectedRun(0x2345'6789u, 4);
    EXPECT_EQ(timer.armings, expected.armings);
    EXPECT_EQ(cursor.moves, expected.points);
    EXPECT_EQ(mouse.Pauses(), expected.pauses);
    for (std::uint32_t wait : timer.armings) {
        EXPECT_TRUE(wait + kLeadMs == 1000 || wait + kLeadMs == 2000) << wait;
    }
    // Each click text shows the interval drawn for the click after it.
    ASSERT_EQ(host.statuses.size(), 5u);
    for (int click = 1; click <= 3; ++click) {
        const Point& p = expected.points[click - 1];
        EXPECT_EQ(
            host.statuses[click],
            ClickText(click, p.x, p.y, (expected.armings[click] + kLeadMs) / 1000, "Second(s)"));
    }
    EXPECT_EQ(host.statuses[4], kPressKey);
}

TEST_F(SeededRunTest, TwoStartsInTheSameSecondRepeatTheRun) {
    scheduler.StartStopClicking();
    RunArmedTicks(100);
    const std::vector<Point> firstPoints = cursor.moves;
    const std::vector<std::uint32_t> firstArmings = timer.armings;
    ASSERT_FALSE(firstPoints.empty()) << "the first run clicked nowhere: nothing to repeat";
    ASSERT_GT(firstArmings.size(), 1u);
    cursor.moves.clear();
    timer.armings.clear();

    scheduler.StartStopClicking();
    RunArmedTicks(100);
    EXPECT_EQ(cursor.moves, firstPoints);
    EXPECT_EQ(timer.armings, firstArmings);
}

TEST_F(ClickSchedulerTest, NoClickKindSendsNothingButCountsAndReports) {
    host.settings.radioClickType = -1;
    cursor.position = {7, 8};
    scheduler.StartStopClicking();
    RunArmedTicks(1);
    EXPECT_TRUE(mouse.steps.empty());
    EXPECT_EQ(host.LastStatus(), ClickText(1, 7, 8, 100, "Milli Second(s)"));
}

TEST_F(ClickSchedulerTest, PauseBoundsReachTheSenderAtTheNextScheduling) {
    scheduler.StartStopClicking();
    host.settings.pressReleaseMin = 300;
    host.settings.pressReleaseMax = 300;
    RunArmedTicks(1);
    EXPECT_LT(mouse.Pauses().back(), 200u) << "the click after a change keeps the old bounds";
    EXPECT_EQ(scheduler.ClickSender().pressReleaseMin, 300);
    RunArmedTicks(1);
    EXPECT_EQ(mouse.Pauses().back(), 300u);
    EXPECT_EQ(host.refreshes, 3);
}

TEST_F(ClickSchedulerTest, RefusedTimerHaltsUntilTheNextKeyPress) {
    timer.refuse = true;
    scheduler.StartStopClicking();
    EXPECT_EQ(host.stopMessages, std::vector<std::string>{kArmingFailure});
    EXPECT_EQ(host.statuses, std::vector<std::string>{kScheduled});
    EXPECT_EQ(host.icons, std::vector<bool>{true});
    EXPECT_EQ(scheduler.State(), SchedulerState::Halted);
    EXPECT_FALSE(timer.precise) << "nothing clicks while halted";

    scheduler.StartStopClicking();
    EXPECT_EQ(scheduler.State(), SchedulerState::Idle);
    EXPECT_EQ(host.icons, (std::vector<bool>{true, false}));
    EXPECT_EQ(host.LastStatus(), kPressKey);

    // Refused after a click: the click is still reported once the message is closed.
    timer.refuse = false;
    scheduler.StartStopClicking();
    timer.refuse = true;
    RunArmedTicks(1);
    EXPECT_EQ(host.stopMessages.size(), 2u);
    EXPECT_EQ(host.LastStatus(), ClickText(1, 0, 0, 100, "Milli Second(s)"));
    EXPECT_EQ(scheduler.State(), SchedulerState::Halted);
    EXPECT_FALSE(timer.precise);
}

struct UnusableInterval {
    const char* name;
    int delayMode;
    int value, unit;
};

TEST_F(ClickSchedulerTest, IntervalsWithoutASoundValueAreNeverArmed) {
    const std::vector<UnusableInterval> cases = {
        {"beyond 2147483647 ms", 1, 40000, 2}, {"negative", 1, -5, 0},
        {"no fixed unit", 1, 10, -1},          {"unknown random unit", 0, 10, 3},
        {"negative random draw", 0, -10, 0},
    };
    for (const UnusableInterval& c : cases) {
        SCOPED_TRACE(c.name);
        StopIfClicking();
        host.stopMessages.clear();
        host.settings.delayBetweenClicks = c.delayMode;
        host.settings.fixedDelayInClicks = c.value;
        host.settings.fixedDelayScale = c.unit;
        host.settings.randomDelayFrom = c.value;
        host.settings.randomDelayTo = c.value + 5;
        host.settings.randomDelayScale = c.unit;
        scheduler.StartStopClicking();
        EXPECT_TRUE(timer.armings.empty());
        EXPECT_EQ(host.stopMessages, std::vector<std::string>{kArmingFailure});
        EXPECT_EQ(scheduler.State(), SchedulerState::Halted);
    }

    StopIfClicking();
    host.settings.delayBetweenClicks = 1;
    host.settings.fixedDelayInClicks = 2147483647;
    host.settings.fixedDelayScale = 0;
    scheduler.StartStopClicking();
    EXPECT_EQ(timer.armings, std::vector<std::uint32_t>{2147483647u - kLeadMs});
}

TEST_F(ClickSchedulerTest, ATickWithoutAUsableUnitKeepsTheStatusLine) {
    scheduler.StartStopClicking();
    host.settings.fixedDelayScale = -1;
    RunArmedTicks(1);
    EXPECT_EQ(scheduler.ClicksDone(), 1);
    EXPECT_EQ(host.statuses, std::vector<std::string>{kScheduled});
    EXPECT_EQ(host.stopMessages, std::vector<std::string>{kArmingFailure});
    EXPECT_EQ(scheduler.IntervalMs(), 100) << "the last armed interval is kept";
    EXPECT_EQ(scheduler.State(), SchedulerState::Halted);
}

struct BoxCase {
    const char* name;
    bool inTick;
    bool refusalBox;  // else the arming failure box
};

TEST(KeyPressInsideABox, AStopHasTheLastWordAtAStartAndInATick) {
    const std::vector<BoxCase> cases = {
        {"refusal box at a start", false, true},
        {"arming failure box at a start", false, false},
        {"refusal box in a tick", true, true},
        {"arming failure box in a tick", true, false},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        if (c.inTick) rig.scheduler.StartStopClicking();
        rig.host.refuse = c.refusalBox;
        rig.timer.refuse = !c.refusalBox;
        (c.refusalBox ? rig.host.duringRefresh : rig.host.duringStopMessage) = [&] {
            rig.scheduler.StartStopClicking();
        };
        if (c.inTick) {
            rig.RunArmedTicks(1);
        } else {
            rig.scheduler.StartStopClicking();
        }

        EXPECT_EQ(rig.scheduler.State(), SchedulerState::Idle);
        EXPECT_FALSE(rig.timer.armed);
        EXPECT_FALSE(rig.timer.precise);
        EXPECT_FALSE(rig.host.icons.back());
        EXPECT_EQ(rig.host.LastStatus(), kPressKey);
        const std::size_t buttons = rig.mouse.Buttons().size();
        rig.scheduler.OnClickTimer();
        EXPECT_EQ(rig.mouse.Buttons().size(), buttons) << "a click after the stop";
    }
}

TEST(KeyPressInsideABox, AStopAndAStartInsideATicksBoxLeaveTheNewRunAlone) {
    Rig rig;
    rig.scheduler.StartStopClicking();
    rig.host.refuse = true;
    rig.host.duringRefresh = [&] {
        rig.scheduler.StartStopClicking();
        rig.scheduler.StartStopClicking();
    };
    rig.RunArmedTicks(1);

    EXPECT_EQ(rig.scheduler.State(), SchedulerState::Running);
    EXPECT_EQ(rig.scheduler.ClicksDone(), 0);
    EXPECT_EQ(rig.host.LastStatus(), kScheduled) << "the interrupted tick wrote its text";
    EXPECT_TRUE(rig.host.icons.back());
    EXPECT_TRUE(rig.timer.precise);
    EXPECT_EQ(rig.timer.armings.back(), 100u - kLeadMs);
}

// Timer 1 as a window timer behaves: never sooner than 10 ms, and late by what it is given.
class ClickTiming : public ClickSchedulerTest {
protected:
    static constexpr std::int64_t kTimerMinimumMicroseconds = 10000;

    ClickTiming() {
        host.settings.fixedDelayInClicks = 100;
        host.settings.pressReleaseMin = 30;
        host.settings.pressReleaseMax = 30;
    }

    void FireLate(std::int64_t latenessMicroseconds) {
        const std::int64_t wait =
            timer.immediate ? 0
                            : std::max<std::int64_t>(std::int64_t{timer.armings.back()} * 1000,
                                                     kTimerMinimumMicroseconds);
        host.steadyMicroseconds = timer.armedAt + wait + latenessMicroseconds;
        scheduler.OnClickTimer();
    }
};

TEST_F(ClickTiming, TheTimersLatenessIsLearntSoThatClicksComeOnTheDot) {
    constexpr std::int64_t kGranularityMicroseconds = 15600;
    constexpr std::int64_t kPeriodMicroseconds = (30 + 100) * 1000;
    scheduler.StartStopClicking();
    std::uint32_t lcg = 1;
    for (int click = 0; click < 1000; ++click) {
        lcg = lcg * 1103515245u + 12345u;
        FireLate((lcg >> 8) % kGranularityMicroseconds);
    }
    const std::vector<std::int64_t> presses = mouse.LeftPressTimes();
    ASSERT_EQ(presses.size(), 1000u);
    EXPECT_LE(std::abs(presses.back() - presses.front() - 999 * kPeriodMicroseconds),
              kGranularityMicroseconds);
    int onTheDot = 0;
    for (std::size_t i = 1; i < presses.size(); ++i) {
        if (presses[i] - presses[i - 1] == kPeriodMicroseconds) ++onTheDot;
    }
    EXPECT_GE(onTheDot, 990) << "the lead did not grow to cover the timer's lateness";
    EXPECT_EQ(scheduler.IntervalMs(), 100) << "the status line still names the interval";
}

TEST_F(ClickTiming, TheFirstIntervalCountsFromTheRunShowingSoThatTheSecondClickIsNotEarly) {
    for (int interval : {2, 100}) {
        SCOPED_TRACE(interval);
        Rig rig;
        rig.host.settings.fixedDelayInClicks = interval;
        rig.host.settings.pressReleaseMin = 0;
        rig.host.settings.pressReleaseMax = 0;
        rig.host.iconMicroseconds = 5000;
        rig.scheduler.StartStopClicking();
        const std::int64_t shown = rig.host.steadyMicroseconds;
        rig.RunArmedTicks(2);
        const std::vector<std::int64_t> presses = rig.mouse.LeftPressTimes();
        ASSERT_GE(presses.size(), 2u);
        EXPECT_EQ(presses[0], shown + interval * 1000);
        EXPECT_EQ(presses[1] - presses[0], interval * 1000);
    }
}

TEST_F(ClickTiming, ARunThatEndsOrHaltsWhileItsIconIsShownIsNotArmedAgain) {
    for (bool halts : {false, true}) {
        SCOPED_TRACE(halts ? "halted by an arming failure" : "ended by its count");
        Rig rig;
        rig.host.settings.howManyClicks = 1;
        rig.host.settings.fixedClicksCount = halts ? 5 : 1;
        rig.host.iconMicroseconds = 5000;
        rig.host.duringIcon = [&rig, halts] {
            rig.timer.refuse = halts;
            rig.RunArmedTicks(1);
        };
        rig.scheduler.StartStopClicking();
        EXPECT_EQ(rig.mouse.LeftPressTimes().size(), 1u);
        EXPECT_FALSE(rig.timer.armed);
        EXPECT_EQ(rig.host.stopMessages.size(), halts ? 1u : 0u);
        EXPECT_EQ(rig.scheduler.State(), halts ? SchedulerState::Halted : SchedulerState::Idle);
    }
}

TEST_F(ClickTiming, ATickBeforeItsClickIsDueOnlyWaitsOn) {
    scheduler.StartStopClicking();
    FireLate(-30000);
    EXPECT_TRUE(mouse.steps.empty());
    EXPECT_EQ(timer.armings.back(), 30u);
    FireLate(0);
    EXPECT_EQ(scheduler.ClicksDone(), 1);

    // The tick of a run stopped and started again before it was handled.
    host.steadyMicroseconds = timer.FiresAt();
    scheduler.StartStopClicking();
    scheduler.StartStopClicking();
    host.steadyMicroseconds += 100;
    scheduler.OnClickTimer();
    EXPECT_EQ(scheduler.ClicksDone(), 0);
    EXPECT_EQ(timer.armings.back(), 100u - kLeadMs);
}

TEST_F(ClickTiming, AStallGivesOneLateClickAndTheCadenceResumesFromIt) {
    scheduler.StartStopClicking();
    FireLate(0);
    FireLate(2000000);
    EXPECT_EQ(scheduler.ClicksDone(), 2) << "no catching up";
    EXPECT_EQ(timer.armings.back(), 100u - kLeadMs) << "a stall teaches the timer's lead nothing";
    FireLate(0);
    FireLate(0);
    const std::vector<std::int64_t> presses = mouse.LeftPressTimes();
    ASSERT_EQ(presses.size(), 4u);
    EXPECT_EQ(presses[2] - presses[1], 130000);
    EXPECT_EQ(presses[3] - presses[2], 130000);
}

TEST_F(ClickTiming, AClickLessThanAnIntervalLateIsFollowedAtOnceAndTheCadenceKeepsItsDueTimes) {
    scheduler.StartStopClicking();
    FireLate(0);
    FireLate(150000);  // the next click is due 50 ms before this one's release
    FireLate(0);
    const std::vector<std::int64_t> presses = mouse.LeftPressTimes();
    ASSERT_EQ(presses.size(), 4u);
    EXPECT_EQ(presses[2] - presses[1], 30000) << "the click that fell behind follows its release";
    EXPECT_EQ(presses[3] - presses[0], 3 * 130000);
}

TEST_F(ClickTiming, AtAShortIntervalADelayUnderATimerTickIsMadeUpAndALongerOneGivenUp) {
    host.settings.fixedDelayInClicks = 2;
    host.settings.pressReleaseMin = 0;
    host.settings.pressReleaseMax = 0;
    scheduler.StartStopClicking();
    RunArmedTicks(1);
    const std::size_t before = mouse.LeftPressTimes().size();
    const std::int64_t due = mouse.LeftPressTimes().back() + 2000;

    // The tick comes 10 ms after its click was due: that click and the five due meanwhile
    // follow at once, and the due times stay.
    RunArmedTicks(1, 12000);
    std::vector<std::int64_t> presses = mouse.LeftPressTimes();
    ASSERT_GE(presses.size(), before + 7);
    for (std::size_t i = before; i < before + 6; ++i) EXPECT_EQ(presses[i], due + 10000) << i;
    EXPECT_EQ(presses[before + 6], due + 12000);

    // 28 ms after: a stall, and the cadence starts anew from the late click.
    const std::size_t stalled = presses.size();
    RunArmedTicks(1, 30000);
    presses = mouse.LeftPressTimes();
    ASSERT_GE(presses.size(), stalled + 2);
    EXPECT_EQ(presses[stalled + 1] - presses[stalled], 2000) << "no catching up";
}

TEST_F(ClickTiming, ClicksFasterThanTheTimerComeOnTimeInSlicesUntilAKeyPress) {
    constexpr std::int64_t kClicksPerSlice = ClickScheduler::kSliceMicroseconds / 1000;
    host.settings.fixedDelayInClicks = 1;
    host.settings.pressReleaseMin = 0;
    host.settings.pressReleaseMax = 0;
    scheduler.StartStopClicking();
    EXPECT_EQ(RunArmedTicks(4), 4);

    const std::vector<std::int64_t> presses = mouse.LeftPressTimes();
    ASSERT_EQ(presses.size(), static_cast<std::size_t>(4 * kClicksPerSlice));
    for (std::size_t i = 0; i < presses.size(); ++i) {
        EXPECT_EQ(presses[i], static_cast<std::int64_t>(i + 1) * 1000) << i;
    }
    EXPECT_TRUE(timer.armings.empty()) << "the window timer cannot keep a 1 ms wait";
    EXPECT_EQ(timer.continuations, 5) << "each slice hands back to the message loop once";
    EXPECT_EQ(host.statuses.size(), presses.size() + 1) << "every click is reported";

    // Pressed between the second and the third click of the next slice.
    mouse.pressAt = host.steadyMicroseconds + 2500;
    RunArmedTicks(1);
    EXPECT_EQ(mouse.LeftPressTimes().size(), presses.size() + 2);
    EXPECT_FALSE(timer.immediate) << "the tick must come back after the press is handled";
}

TEST_F(ClickTiming, AnIntervalOfZeroClicksOnThroughTheSliceAsFastAsTheClicksGo) {
    host.settings.fixedDelayInClicks = 0;
    host.settings.pressReleaseMin = 1;
    host.settings.pressReleaseMax = 1;
    scheduler.StartStopClicking();
    EXPECT_EQ(RunArmedTicks(3), 3);
    const std::vector<std::int64_t> presses = mouse.LeftPressTimes();
    ASSERT_GE(presses.size(), 3u * 5u) << "one click a turn of the message loop";
    for (std::size_t i = 1; i < presses.size(); ++i) EXPECT_EQ(presses[i] - presses[i - 1], 1000);
}

TEST_F(ClickTiming, TheNextClickComesOneIntervalAfterARefusalBoxCloses) {
    for (std::int64_t boxMicroseconds : {3000000, 40000}) {
        SCOPED_TRACE(boxMicroseconds);
        StopIfClicking();
        host.refuse = false;
        scheduler.StartStopClicking();
        host.refuse = true;
        host.duringRefresh = [&] { host.steadyMicroseconds += boxMicroseconds; };
        FireLate(0);
        EXPECT_EQ(timer.armings.back(), 100u - kLeadMs);
    }
}

// A run with a time limit, clicking every 25 s with no pause inside a click.
class TimeLimit : public ClickSchedulerTest {
protected:
    static constexpr std::int64_t kSecond = 1000000;

    TimeLimit() {
        host.settings.fixedDelayInClicks = 25;
        host.settings.fixedDelayScale = 1;
        host.settings.pressReleaseMin = 0;
        host.settings.pressReleaseMax = 0;
    }
};

TEST_F(TimeLimit, EndsTheRunAtItsMomentAsTheCountLimitDoesWithNoClickAfter) {
    scheduler.SetTimeLimit(60 * kSecond);
    scheduler.StartStopClicking();

    EXPECT_EQ(RunArmedTicks(100), 3) << "two clicks, then the end";
    EXPECT_EQ(mouse.LeftPressTimes(), (std::vector<std::int64_t>{25 * kSecond, 50 * kSecond}));
    EXPECT_EQ(host.steadyMicroseconds, 60 * kSecond) << "the end waited for its moment";
    EXPECT_EQ(scheduler.State(), SchedulerState::Idle);
    EXPECT_FALSE(timer.armed);
    EXPECT_FALSE(timer.precise);
    EXPECT_EQ(host.icons, (std::vector<bool>{true, false}));
    EXPECT_EQ(host.LastStatus(), kPressKey);
}

TEST_F(TimeLimit, ATickWokenAfterTheEndSendsNoClickThatWasDueBeforeIt) {
    scheduler.SetTimeLimit(60 * kSecond);
    scheduler.StartStopClicking();
    RunArmedTicks(1);
    // The machine stalled: the tick for the click due at 50 s comes at 61 s.
    host.steadyMicroseconds = 61 * kSecond;
    scheduler.OnClickTimer();
    EXPECT_EQ(mouse.LeftPressTimes(), std::vector<std::int64_t>{25 * kSecond});
    EXPECT_EQ(scheduler.State(), SchedulerState::Idle);
    EXPECT_EQ(host.LastStatus(), kPressKey);
}

TEST_F(TimeLimit, SetDuringARunItCutsTheWaitForTheNextClickAndAPastEndEndsAtOnce) {
    host.settings.fixedDelayScale = 2;  // minutes: the first click would come after 25
    scheduler.StartStopClicking();
    host.steadyMicroseconds = 30 * kSecond;
    scheduler.SetTimeLimit(60 * kSecond);
    EXPECT_EQ(timer.armings.back(), 30000 - kLeadMs);
    EXPECT_EQ(RunArmedTicks(100), 1);
    EXPECT_EQ(host.steadyMicroseconds, 60 * kSecond);
    EXPECT_EQ(scheduler.State(), SchedulerState::Idle);

    scheduler.SetTimeLimit(0);
    scheduler.StartStopClicking();
    host.steadyMicroseconds += 120 * kSecond;
    scheduler.SetTimeLimit(60 * kSecond);
    EXPECT_EQ(RunArmedTicks(100), 1);
    EXPECT_TRUE(mouse.steps.empty());
    EXPECT_EQ(scheduler.State(), SchedulerState::Idle);
    EXPECT_EQ(host.LastStatus(), kPressKey);
}

}  // namespace
}  // namespace quorvel::test
