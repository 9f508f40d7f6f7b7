#pragma once
// Starting and stopping a run, the timer-driven click cycle, the interval, the count limit,
// the status texts and the running indication.

#include <cstdint>
#include <optional>

#include "engine/click_sender.h"
#include "engine/click_settings.h"
#include "engine/ports.h"
#include "engine/random.h"

namespace quorvel {

enum class SchedulerState {
    Idle,     // not clicking, timer unarmed
    Running,  // clicking, timer armed
    Halted,   // clicking, but the timer could not be armed: the next start/stop ends the run
};

enum class ScheduleOutcome {
    Armed,
    CountLimitReached,  // the run has ended
    ArmingFailed,       // the platform refused a valid interval
    IntervalInvalid,    // no unit selected, or an interval outside 0..2147483647 ms
    Superseded,         // the shortcut key started or stopped a run while a box was open
};

class ClickScheduler {
public:
    ClickScheduler(SchedulerHost& host, ClickTimerPort& timer, MousePort& mouse,
                   CursorPort& cursor);

    // Bound to the shortcut key: starts a run when idle, stops it otherwise.
    void StartStopClicking();
    // Bound to timer 1: picks the point, clicks, counts and schedules the next click.
    void OnClickTimer();
    // Schedules the first click of a run.
    ScheduleOutcome ScheduleNextClick();
    void SetRunningIcon(bool running);
    // The virtual screen as last measured; location mode 1 draws inside it.
    void SetDesktop(const VirtualScreen& desktop);

    SchedulerState State() const;
    bool IsClicking() const { return m_bClicking; }
    int ClicksDone() const { return m_nClicksDone; }
    int IntervalMs() const { return m_nIntervalMs; }
    Point LastClick() const { return m_ptLastClick; }
    // When the next click is due, on the host's steady clock.
    std::int64_t NextClickDue() const { return dueMicroseconds_; }
    const CClickSender& ClickSender() const { return m_clickSender; }

private:
    void Start();
    void Stop();
    void ShowIdleStatus();
    void ApplyPauseBounds();
    // periodStart: the last click's due time plus its pauses; none for a run's first click.
    ScheduleOutcome Schedule(std::optional<std::int64_t> periodStart);
    bool ArmUntilDue(std::int64_t now);
    std::optional<int> NextInterval();
    int IntervalUnit() const;

    SchedulerHost& host_;
    ClickTimerPort& timer_;
    MousePort& mouse_;
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
    // Moves on at every press of the shortcut key, so that work interrupted by a box can tell
    // that its run is no longer the current one.
    std::uint64_t keyPresses_ = 0;
};

}  // namespace quorvel
