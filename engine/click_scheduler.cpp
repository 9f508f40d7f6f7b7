#include "engine/click_scheduler.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "engine/click_target.h"
#include "engine/interval_units.h"
#include "engine/status_texts.h"

namespace quorvel {
namespace {

constexpr int kStopAfterCount = 1;
constexpr int kFixedDelay = 1;
// A window timer may fire a little before its time; within this it counts as on time.
constexpr std::int64_t kEarlyTickToleranceMicroseconds = 1000;

}  // namespace

ClickScheduler::ClickScheduler(SchedulerHost& host, ClickTimerPort& timer, MousePort& mouse,
                               CursorPort& cursor)
    : m_host(host), m_timer(timer), m_mouse(mouse), m_cursor(cursor) {}

void ClickScheduler::StartStopClicking() {
    ++m_keyPresses;
    if (m_bClicking) {
        Stop();
    } else {
        Start();
    }
}

void ClickScheduler::Start() {
    const std::uint64_t keyPress = m_keyPresses;
    m_nClicksDone = 0;
    // Truncating the seconds to 32 bits is how the runtime's seed takes them too.
    m_random.Seed(static_cast<unsigned>(m_host.CalendarSeconds()));
    m_host.ShowStatus(ClicksScheduledText(m_host.NowText()));
    // From here the run is under way: a key press while one of its boxes is open stops it.
    m_bClicking = true;
    m_timer.HoldPrecision();
    const ScheduleOutcome outcome = ScheduleNextClick();
    if (keyPress != m_keyPresses || outcome == ScheduleOutcome::CountLimitReached) return;
    // A failed arming still counts as a started run, so that the next key press ends it.
    SetRunningIcon(true);
}

void ClickScheduler::Stop() {
    m_timer.Kill();
    m_timerArmed = false;
    m_timer.ReleasePrecision();
    SetRunningIcon(false);
    ShowIdleStatus();
    m_bClicking = false;
}

void ClickScheduler::OnClickTimer() {
    // A tick already queued when the run stopped or halted must not click.
    if (!m_timerArmed) return;
    // Nor may one that comes well before its click is due (left over from an earlier run, or
    // a timer that fired early): it only waits on.
    const std::int64_t now = m_host.SteadyMicroseconds();
    if (now < m_dueMicroseconds - kEarlyTickToleranceMicroseconds) {
        if (!ArmUntilDue(now)) m_host.ShowStopMessage(kArmingFailureText);
        return;
    }
    // Timer 1 is a one-shot timer, armed anew after every click.
    m_timer.Kill();
    m_timerArmed = false;
    PickClickPoint(m_settings, m_desktop, m_random, m_cursor, m_ptLastClick);
    std::int64_t pausedMilliseconds = 0;
    if (m_settings.radioClickType >= 0)
        pausedMilliseconds = m_clickSender.Click(m_settings.radioClickType, m_mouse, m_random);
    if (m_nClicksDone < std::numeric_limits<int>::max()) ++m_nClicksDone;

    const std::uint64_t keyPress = m_keyPresses;
    const ScheduleOutcome outcome = Schedule(m_dueMicroseconds + pausedMilliseconds * 1000);
    // A key press inside a box has had the last word; without a valid interval there is no
    // "next click" to report and the line keeps its text.
    if (keyPress != m_keyPresses || outcome == ScheduleOutcome::CountLimitReached ||
        outcome == ScheduleOutcome::IntervalInvalid) {
        return;
    }
    const std::optional<std::string> text = ClicksDoneText(
        IntervalUnit(), m_host.NowText(), m_nClicksDone, m_ptLastClick, m_nIntervalMs);
    if (text) m_host.ShowStatus(*text);
}

ScheduleOutcome ClickScheduler::ScheduleNextClick() { return Schedule(std::nullopt); }

ScheduleOutcome ClickScheduler::Schedule(std::optional<std::int64_t> periodStart) {
    const std::uint64_t keyPress = m_keyPresses;
    // A refused field keeps its earlier value; scheduling goes on with what the settings hold.
    const TakenSettings taken = m_host.RefreshSettings();
    if (keyPress != m_keyPresses) return ScheduleOutcome::Superseded;
    m_settings = taken.settings;
    ApplyPauseBounds();

    if (m_settings.howManyClicks == kStopAfterCount &&
        m_nClicksDone >= m_settings.fixedClicksCount) {
        m_bClicking = false;
        m_timer.ReleasePrecision();
        SetRunningIcon(false);
        ShowIdleStatus();
        return ScheduleOutcome::CountLimitReached;
    }

    const std::optional<int> interval = NextInterval();
    if (!interval) {
        m_host.ShowStopMessage(kArmingFailureText);
        return ScheduleOutcome::IntervalInvalid;
    }
    m_nIntervalMs = *interval;

    // The next click is due one period after the last one was, so that a late timer is made
    // up by a shorter wait instead of adding up. A due time already past (a stall, the time a
    // box was open, an interval below the timer's minimum) is given up: the next click comes a
    // whole interval from now, as after a fresh start, never as a burst of catching up.
    const std::int64_t now = m_host.SteadyMicroseconds();
    const std::int64_t intervalMicroseconds = std::int64_t{m_nIntervalMs} * 1000;
    m_dueMicroseconds = now + intervalMicroseconds;
    if (periodStart && !taken.refused && *periodStart + intervalMicroseconds >= now) {
        m_dueMicroseconds = *periodStart + intervalMicroseconds;
    }
    if (!ArmUntilDue(now)) {
        m_host.ShowStopMessage(kArmingFailureText);
        return ScheduleOutcome::ArmingFailed;
    }
    return ScheduleOutcome::Armed;
}

// The wait is rounded up, so that the timer never fires before the click is due.
bool ClickScheduler::ArmUntilDue(std::int64_t now) {
    const std::int64_t milliseconds = (m_dueMicroseconds - now + 999) / 1000;
    const std::int64_t delay =
        std::clamp<std::int64_t>(milliseconds, 0, std::numeric_limits<int>::max());
    m_timerArmed = m_timer.Arm(static_cast<std::uint32_t>(delay));
    return m_timerArmed;
}

void ClickScheduler::SetRunningIcon(bool running) { m_host.ShowRunningIcon(running); }

void ClickScheduler::SetDesktop(const VirtualScreen& desktop) { m_desktop = desktop; }

SchedulerState ClickScheduler::State() const {
    if (!m_bClicking) return SchedulerState::Idle;
    return m_timerArmed ? SchedulerState::Running : SchedulerState::Halted;
}

void ClickScheduler::ShowIdleStatus() {
    m_host.ShowStatus(IdleStatusText(m_host.HotKeyAssigned(), m_host.HotKeyText()));
}

void ClickScheduler::ApplyPauseBounds() {
    m_clickSender.pressReleaseMin = m_settings.pressReleaseMin;
    m_clickSender.pressReleaseMax = m_settings.pressReleaseMax;
    m_clickSender.doubleClickMin = m_settings.doubleClickMin;
    m_clickSender.doubleClickMax = m_settings.doubleClickMax;
}

int ClickScheduler::IntervalUnit() const {
    return m_settings.delayBetweenClicks == kFixedDelay ? m_settings.fixedDelayScale
                                                        : m_settings.randomDelayScale;
}

// The unit is checked before anything is drawn, so an unusable unit consumes no random value.
std::optional<int> ClickScheduler::NextInterval() {
    const std::optional<std::int64_t> factor = MillisecondsPerUnit(IntervalUnit());
    if (!factor) return std::nullopt;
    const int value =
        m_settings.delayBetweenClicks == kFixedDelay
            ? m_settings.fixedDelayInClicks
            : RandomBetween(m_random, m_settings.randomDelayFrom, m_settings.randomDelayTo);
    const std::int64_t milliseconds = value * *factor;
    if (milliseconds < 0 || milliseconds > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(milliseconds);
}

}  // namespace quorvel
