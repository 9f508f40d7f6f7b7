#pragma once
// Starting and stopping a run, the timer-driven click cycle, the interval, the count limit,
// the status texts and the running indication.

#include <algorithm>
#include <cstdint>
#include <optional>

#include "engine/click_sender.h"
#include "engine/click_settings.h"
#include "engine/ports.h"
#include "engine/random.h"
#include "engine/timer_lead.h"

namespace quorvel {

enum class SchedulerState {
    Idle,     // not clicking, timer unarmed
    Running,  // clicking, timer armed
    Halted,   // clicking, but the timer could not be armed: the next start/stop ends the run
};

enum class ScheduleOutcome {
    Scheduled,          // the next click is due, and its wake-up is armed
    CountLimitReached,  // the run has ended
    ArmingFailed,       // the platform refused a valid interval
    IntervalInvalid,    // no unit selected, or an interval outside 0..2147483647 ms
    Superseded,         // the shortcut key started or stopped a run while a box was open
};

class ClickScheduler {
public:
    // Below this a window timer is raised to it, so the scheduler never asks it for less.
    static constexpr std::int64_t kTimerFloorMicroseconds = 10000;
    // How long one tick may go on clicking when the clicks come faster than the timer's floor,
    // before it hands back to the message loop so that the window paints and takes its input.
    // Each turn of the loop can make the next click late (slices of 5 ms kept runs at 1 and 2 ms
    // 1 to 2 % slow), and input and painting 20 ms late are not seen; sent messages are answered
    // during the slice's waits.
    static constexpr std::int64_t kSliceMicroseconds = 20000;
    // And how many clicks at most, for a clock too coarse to see an interval of 0 go by.
    static constexpr int kMostClicksPerSlice = 256;
    // A click late by up to an interval, or by up to this at a shorter interval, keeps the due
    // times, and what fell behind follows at once. Late by less than the coarsest system timer
    // tick is how the machine shares its time out; at 1 ms, giving each such delay up made runs
    // 1 to 6 % slow. Later is a stall, given up instead of caught up with a burst.
    static constexpr std::int64_t kKeptLatenessMicroseconds = 16000;
    // How far past its due time a click at this interval may come and keep the due times; at an
    // interval of 0 every click is due at once, and none is behind.
    static constexpr std::int64_t KeptLateness(std::int64_t intervalMicroseconds) {
        return intervalMicroseconds == 0
                   ? 0
                   : std::max(intervalMicroseconds, kKeptLatenessMicroseconds);
    }

    ClickScheduler(SchedulerHost& host, ClickTimerPort& timer, MousePort& mouse, WaitPort& waits,
                   CursorPort& cursor);

    // Bound to the shortcut key: starts a run when idle, stops it otherwise.
    void StartStopClicking();
    // Bound to what wakes the tick: waits precisely for the click's due time, then picks the
    // point, clicks, counts and schedules the next click; clicks on at once while the next one
    // is due within the tick's slice.
    void OnClickTimer();
    // Schedules the first click of a run and arms its wake-up.
    ScheduleOutcome ScheduleNextClick();
    void SetRunningIcon(bool running);
    // The virtual screen as last measured; location mode 1 draws inside it.
    void SetDesktop(const VirtualScreen& desktop);
    // A run ends by itself this long after its start, as at the count limit; 0 never. Takes
    // effect at once, also during a run.
    void SetTimeLimit(std::int64_t microseconds);
    // When the time limit ends the current run, on the steady clock; never, without one.
    std::int64_t RunEnd() const;

    SchedulerState State() const;
    bool IsClicking() const { return m_bClicking; }
    int ClicksDone() const { return m_nClicksDone; }
    int IntervalMs() const { return m_nIntervalMs; }
    Point LastClick() const { return m_ptLastClick; }
    // When the next click is due, on the host's steady clock.
    std::int64_t NextClickDue() const { return dueMicroseconds_; }
    // When the tick is to wake for it: a lead before the due time, or at once.
    std::int64_t NextWake() const { return wakeMicroseconds_; }
    const CClickSender& ClickSender() const { return m_clickSender; }

private:
    void Start();
    void Stop();
    void ShowIdleStatus();
    void ApplyPauseBounds();
    // One click of the tick; true when the next one is due within the slice and follows at once.
    bool ClickOnce(std::int64_t sliceEnd, bool mayClickOn);
    // periodStart: the last click's due time plus its pauses; none for a run's first click.
    ScheduleOutcome Schedule(std::optional<std::int64_t> periodStart);
    // Arms what wakes the tick for the next click, with the arming failure's box when refused.
    bool ArmForNextClick();
    bool Arm(std::int64_t now);
    std::optional<int> NextInterval();
    int IntervalUnit() const;
    // Whether the run ends before the next click: the end comes first, or has come.
    bool RunEndsFirst();
    void EndAtTimeLimit();

    SchedulerHost& host_;
    ClickTimerPort& timer_;
    MousePort& mouse_;
    WaitPort& waits_;
    CursorPort& cursor_;

    bool m_bClicking = false;
    bool timerArmed_ = false;
    int m_nClicksDone = 0;
    int m_nIntervalMs = 0;
    CClickSender m_clickSender;
    Point m_ptLastClick;
    VirtualScreen desktop_;
    ClickSettings settings_;
    RandomGenerator random_;
    std::int64_t dueMicroseconds_ = 0;
    std::int64_t wakeMicroseconds_ = 0;
    // Whether timer 1 was asked for a wait of its own, so that its lateness tells something.
    bool wakesOnTimer_ = false;
    TimerLead lead_;
    std::int64_t timeLimitMicroseconds_ = 0;
    std::int64_t runStarted_ = 0;
    // Moves on at every press of the shortcut key, so that work interrupted by a box can tell
    // that its run is no longer the current one.
    std::uint64_t keyPresses_ = 0;
};

}  // namespace quorvel
