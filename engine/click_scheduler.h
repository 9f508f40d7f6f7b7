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
};

class ClickScheduler {
public:
    ClickScheduler(SchedulerHost& host, ClickTimerPort& timer, MousePort& mouse,
                   CursorPort& cursor);

    // Bound to the shortcut key: starts a run when idle, stops it otherwise.
    void StartStopClicking();
    // Bound to timer 1: picks the point, clicks, counts and schedules the next click.
    void OnClickTimer();
    ScheduleOutcome ScheduleNextClick();
    void SetRunningIcon(bool running);
    // The virtual screen as last measured; location mode 1 draws inside it.
    void SetDesktop(const VirtualScreen& desktop);

    SchedulerState State() const;
    bool IsClicking() const { return m_bClicking; }
    int ClicksDone() const { return m_nClicksDone; }
    int IntervalMs() const { return m_nIntervalMs; }
    Point LastClick() const { return m_ptLastClick; }
    const CClickSender& ClickSender() const { return m_clickSender; }

private:
    void Start();
    void Stop();
    void ShowIdleStatus();
    void ReadPauseBounds();
    std::optional<int> NextInterval();
    int IntervalUnit() const;
    std::uint32_t TimerDelay() const;

    SchedulerHost& m_host;
    ClickTimerPort& m_timer;
    MousePort& m_mouse;
    CursorPort& m_cursor;

    bool m_bClicking = false;
    bool m_timerArmed = false;
    int m_nClicksDone = 0;
    int m_nIntervalMs = 0;
    CClickSender m_clickSender;
    Point m_ptLastClick;
    VirtualScreen m_desktop;
    ClickSettings m_settings;
    RandomGenerator m_random;

    // The tick in progress: when its timer fired and how long its click paused.
    struct Tick {
        std::int64_t startMicroseconds = 0;
        std::int64_t pausedMilliseconds = 0;
    };
    std::optional<Tick> m_tick;
};

}  // namespace quorvel
