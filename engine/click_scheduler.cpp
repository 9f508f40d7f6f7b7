#include "engine/click_scheduler.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "engine/click_target.h"
#include "engine/interval_units.h"
#include "engine/status_texts.h"

namespace quorvel {
namespace {

constexpr const char* kPressReleaseMinKey = "MDMU_MIN_DELAY";
constexpr const char* kPressReleaseMaxKey = "MDMU_MAX_DELAY";
constexpr const char* kDoubleClickMinKey = "DOUBLE_CLICKS_MIN_DELAY";
constexpr const char* kDoubleClickMaxKey = "DOUBLE_CLICKS_MAX_DELAY";

constexpr int kStopAfterCount = 1;
constexpr int kFixedDelay = 1;

}  // namespace

ClickScheduler::ClickScheduler(SchedulerHost& host, ClickTimerPort& timer, MousePort& mouse,
                               CursorPort& cursor)
    : m_host(host), m_timer(timer), m_mouse(mouse), m_cursor(cursor) {}

void ClickScheduler::StartStopClicking() {
    if (m_bClicking) {
        Stop();
    } else {
        Start();
    }
}

void ClickScheduler::Start() {
    m_nClicksDone = 0;
    // Truncating the seconds to 32 bits is how the runtime's seed takes them too.
    m_random.Seed(static_cast<unsigned>(m_host.CalendarSeconds()));
    m_host.ShowStatus(ClicksScheduledText(m_host.NowText()));
    if (ScheduleNextClick() == ScheduleOutcome::CountLimitReached) return;
    // A failed arming still counts as a started run, so that the next key press ends it.
    SetRunningIcon(true);
    m_bClicking = true;
}

void ClickScheduler::Stop() {
    m_timer.Kill();
    m_timerArmed = false;
    SetRunningIcon(false);
    ShowIdleStatus();
    m_bClicking = false;
}

void ClickScheduler::OnClickTimer() {
    // A tick already queued when the run stopped or halted must not click.
    if (!m_timerArmed) return;
    Tick tick{m_host.SteadyMicroseconds(), 0};
    // Timer 1 is a one-shot timer, armed anew after every click.
    m_timer.Kill();
    m_timerArmed = false;
    PickClickPoint(m_settings, m_desktop, m_random, m_cursor, m_ptLastClick);
    if (m_settings.radioClickType >= 0)
        tick.pausedMilliseconds = m_clickSender.Click(m_settings.radioClickType, m_mouse, m_random);
    if (m_nClicksDone < std::numeric_limits<int>::max()) ++m_nClicksDone;

    m_tick = tick;
    const ScheduleOutcome outcome = ScheduleNextClick();
    m_tick.reset();
    // Without a valid interval there is no "next click" to report; the line keeps its text.
    if (outcome == ScheduleOutcome::CountLimitReached ||
        outcome == ScheduleOutcome::IntervalInvalid) {
        return;
    }
    const std::optional<std::string> text = ClicksDoneText(
        IntervalUnit(), m_host.NowText(), m_nClicksDone, m_ptLastClick, m_nIntervalMs);
    if (text) m_host.ShowStatus(*text);
}

ScheduleOutcome ClickScheduler::ScheduleNextClick() {
    // A refused field keeps its earlier value; scheduling goes on with what the settings hold.
    m_settings = m_host.RefreshSettings();
    ReadPauseBounds();

    if (m_settings.howManyClicks == kStopAfterCount &&
        m_nClicksDone >= m_settings.fixedClicksCount) {
        m_bClicking = false;
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
    if (!m_timer.Arm(TimerDelay())) {
        m_host.ShowStopMessage(kArmingFailureText);
        return ScheduleOutcome::ArmingFailed;
    }
    m_timerArmed = true;
    return ScheduleOutcome::Armed;
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

void ClickScheduler::ReadPauseBounds() {
    m_clickSender.pressReleaseMin =
        m_host.ReadSetting(kPressReleaseMinKey, kDefaultPressReleaseMin);
    m_clickSender.pressReleaseMax =
        m_host.ReadSetting(kPressReleaseMaxKey, kDefaultPressReleaseMax);
    m_clickSender.doubleClickMin = m_host.ReadSetting(kDoubleClickMinKey, kDefaultDoubleClickMin);
    m_clickSender.doubleClickMax = m_host.ReadSetting(kDoubleClickMaxKey, kDefaultDoubleClickMax);
}

int ClickScheduler::IntervalUnit() const {
    return m_settings.delayBetweenClicks == kFixedDelay ? m_settings.fixedDelayScale
                                                        : m_settings.randomDelayScale;
}

// Clicks follow each other at the interval plus their own pauses: the time a tick spent on
// anything else (moving the cursor, sending the input, reading the settings) comes off the wait.
std::uint32_t ClickScheduler::TimerDelay() const {
    std::int64_t delay = m_nIntervalMs;
    if (m_tick) {
        const std::int64_t elapsedMicroseconds =
            m_host.SteadyMicroseconds() - m_tick->startMicroseconds;
        const std::int64_t ownWorkMicroseconds =
            elapsedMicroseconds - m_tick->pausedMilliseconds * 1000;
        const std::int64_t ownWorkMs = (ownWorkMicroseconds + 500) / 1000;  // to the nearest
        if (ownWorkMs > 0) delay = std::max<std::int64_t>(0, delay - ownWorkMs);
    }
    return static_cast<std::uint32_t>(delay);
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
