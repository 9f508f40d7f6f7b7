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
                               WaitPort& waits, CursorPort& cursor)
    : host_(host), timer_(timer), mouse_(mouse), waits_(waits), cursor_(cursor) {}

void ClickScheduler::StartStopClicking() {
    ++keyPresses_;
    if (m_bClicking) {
        Stop();
    } else {
        Start();
    }
}

void ClickScheduler::Start() {
    const std::uint64_t keyPress = keyPresses_;
    m_nClicksDone = 0;
    // Truncating the seconds to 32 bits is how the runtime's seed takes them too.
    random_.Seed(static_cast<unsigned>(host_.CalendarSeconds()));
    host_.ShowStatus(ClicksScheduledText(host_.NowText()));
    runStarted_ = host_.SteadyMicroseconds();
    // From here the run is under way: a key press while one of its boxes is open stops it.
    m_bClicking = true;
    timer_.HoldPrecision();
    const ScheduleOutcome outcome = ScheduleNextClick();
    if (keyPress != keyPresses_ || outcome == ScheduleOutcome::CountLimitReached) return;
    // A failed arming still counts as a started run, so that the next key press ends it.
    const std::int64_t iconShownFrom = host_.SteadyMicroseconds();
    const std::int64_t dueBeforeIcon = dueMicroseconds_;
    SetRunningIcon(true);
    // The first interval counts from the moment the run shows: the shell can take milliseconds
    // to show the icon, and a first click late by that would make the second follow too soon.
    // While the shell is asked, a box opened by a sent message may have ticked, ended or
    // halted the run; then its timer is left as it is.
    if (keyPress != keyPresses_ || outcome != ScheduleOutcome::Scheduled || !m_bClicking ||
        !timerArmed_ || dueMicroseconds_ != dueBeforeIcon) {
        return;
    }
    const std::int64_t shownIn = host_.SteadyMicroseconds() - iconShownFrom;
    if (shownIn <= 0) return;
    dueMicroseconds_ += shownIn;
    // A tick that comes back at once waits for the due time itself; a timer is armed anew.
    if (!wakesOnTimer_) return;
    timer_.Kill();
    ArmForNextClick();
}

void ClickScheduler::Stop() {
    mouse_.ReleaseHeld();
    timer_.Kill();
    timerArmed_ = false;
    timer_.ReleasePrecision();
    SetRunningIcon(false);
    ShowIdleStatus();
    m_bClicking = false;
}

void ClickScheduler::OnClickTimer() {
    // A tick already queued when the run stopped or halted must not click.
    if (!timerArmed_) return;
    // Nor may one that comes well before it was to wake (left over from an earlier run, or a
    // timer that fired early): it only waits on.
    std::int64_t now = host_.SteadyMicroseconds();
    if (now < wakeMicroseconds_ - kEarlyTickToleranceMicroseconds) {
        ArmForNextClick();
        return;
    }
    // What woke the tick is one-shot, armed anew for every click.
    timer_.Kill();
    timerArmed_ = false;
    if (wakesOnTimer_) lead_.Observe(now - wakeMicroseconds_);

    const std::int64_t sliceEnd = now + kSliceMicroseconds;
    for (int clicks = 1;; ++clicks) {
        const bool endsFirst = RunEndsFirst();
        // A key press ends the wait, and no click follows it: the press is handled as soon as
        // the tick is over, and the timer comes after it.
        if (!waits_.WaitUntil(endsFirst ? RunEnd() : dueMicroseconds_)) {
            ArmForNextClick();
            return;
        }
        if (endsFirst) {
            EndAtTimeLimit();
            return;
        }
        if (!ClickOnce(sliceEnd, clicks < kMostClicksPerSlice)) return;
    }
}

bool ClickScheduler::ClickOnce(std::int64_t sliceEnd, bool mayClickOn) {
    PickClickPoint(settings_, desktop_, random_, cursor_, m_ptLastClick);
    std::int64_t pausedMilliseconds = 0;
    if (settings_.radioClickType >= 0) {
        pausedMilliseconds = m_clickSender.Click(settings_.radioClickType, mouse_, waits_, random_);
    }
    if (m_nClicksDone < std::numeric_limits<int>::max()) ++m_nClicksDone;

    const std::uint64_t keyPress = keyPresses_;
    const ScheduleOutcome outcome = Schedule(dueMicroseconds_ + pausedMilliseconds * 1000);
    // Without a valid interval there is no "next click" to report and the line keeps its text.
    if (keyPress != keyPresses_ || outcome != ScheduleOutcome::Scheduled) return false;
    // The slice clicks on while the next click is due within it, an interval of 0 too, unless
    // a key press waits; otherwise the wake-up is armed before the click is reported, so that
    // an arming failure's box comes first.
    const bool clicksOn = mayClickOn && dueMicroseconds_ <= sliceEnd && !waits_.KeyPressPending();
    if (!clicksOn) ArmForNextClick();
    // A key press inside a box has had the last word.
    if (keyPress != keyPresses_) return false;
    const std::optional<std::string> text = ClicksDoneText(
        IntervalUnit(), host_.NowText(), m_nClicksDone, m_ptLastClick, m_nIntervalMs);
    if (text) host_.ShowStatus(*text);
    return clicksOn;
}

ScheduleOutcome ClickScheduler::ScheduleNextClick() {
    const std::uint64_t keyPress = keyPresses_;
    const ScheduleOutcome outcome = Schedule(std::nullopt);
    if (outcome != ScheduleOutcome::Scheduled || keyPress != keyPresses_) return outcome;
    return ArmForNextClick() ? ScheduleOutcome::Scheduled : ScheduleOutcome::ArmingFailed;
}

ScheduleOutcome ClickScheduler::Schedule(std::optional<std::int64_t> periodStart) {
    const std::uint64_t keyPress = keyPresses_;
    // A refused field keeps its earlier value; scheduling goes on with what the settings hold.
    const TakenSettings taken = host_.RefreshSettings();
    if (keyPress != keyPresses_) return ScheduleOutcome::Superseded;
    settings_ = taken.settings;
    ApplyPauseBounds();

    if (settings_.howManyClicks == kStopAfterCount && m_nClicksDone >= settings_.fixedClicksCount) {
        mouse_.ReleaseHeld();
        m_bClicking = false;
        timer_.ReleasePrecision();
        SetRunningIcon(false);
        ShowIdleStatus();
        return ScheduleOutcome::CountLimitReached;
    }

    const std::optional<int> interval = NextInterval();
    if (!interval) {
        // Nothing is armed, so the run halts: it needs no precision until its next start.
        timer_.ReleasePrecision();
        host_.ShowStopMessage(kArmingFailureText);
        return ScheduleOutcome::IntervalInvalid;
    }
    m_nIntervalMs = *interval;

    // The next click is due one period after the last one was, so that a late wake-up is made
    // up by a shorter wait instead of adding up; a due time that lateness has passed is kept,
    // and its click follows at once. One further in the past (a stall, the time a box was
    // open) is given up: the next click comes a whole interval from now, as after a fresh
    // start, never as a burst of catching up.
    const std::int64_t now = host_.SteadyMicroseconds();
    const std::int64_t intervalMicroseconds = std::int64_t{m_nIntervalMs} * 1000;
    dueMicroseconds_ = now + intervalMicroseconds;
    if (periodStart && !taken.refused &&
        *periodStart + intervalMicroseconds + KeptLateness(intervalMicroseconds) >= now) {
        dueMicroseconds_ = *periodStart + intervalMicroseconds;
    }
    return ScheduleOutcome::Scheduled;
}

bool ClickScheduler::ArmForNextClick() {
    if (Arm(host_.SteadyMicroseconds())) return true;
    // Halted: nothing clicks until the next press, which ends the run.
    timer_.ReleasePrecision();
    host_.ShowStopMessage(kArmingFailureText);
    return false;
}

bool ClickScheduler::Arm(std::int64_t now) {
    const std::int64_t lead = lead_.Microseconds();
    const std::int64_t wakeFor = std::min(dueMicroseconds_, RunEnd());
    const std::int64_t timerWait = wakeFor - lead - now;
    if (timerWait >= kTimerFloorMicroseconds) {
        // Rounded up, so that the timer never wakes the tick before it was meant to.
        const std::int64_t milliseconds =
            std::min<std::int64_t>((timerWait + 999) / 1000, std::numeric_limits<int>::max());
        wakeMicroseconds_ = wakeFor - lead;
        wakesOnTimer_ = true;
        timerArmed_ = timer_.Arm(static_cast<std::uint32_t>(milliseconds));
        return timerArmed_;
    }
    wakeMicroseconds_ = now;
    wakesOnTimer_ = false;
    // With a key press waiting, the lowest-priority wake-up lets the press be handled first.
    timerArmed_ = waits_.KeyPressPending() ? timer_.Arm(0) : timer_.ArmNow();
    return timerArmed_;
}

void ClickScheduler::SetRunningIcon(bool running) { host_.ShowRunningIcon(running); }

void ClickScheduler::SetDesktop(const VirtualScreen& desktop) { desktop_ = desktop; }

void ClickScheduler::SetTimeLimit(std::int64_t microseconds) {
    const std::int64_t wokenFor = std::min(dueMicroseconds_, RunEnd());
    timeLimitMicroseconds_ = std::max<std::int64_t>(microseconds, 0);
    // A wake-up armed for a click beyond the new end, or for an end no longer there, is armed
    // again; a halted run waits for the next press as before.
    if (timerArmed_ && std::min(dueMicroseconds_, RunEnd()) != wokenFor) {
        timer_.Kill();
        ArmForNextClick();
    }
}

bool ClickScheduler::RunEndsFirst() {
    if (timeLimitMicroseconds_ == 0) return false;
    // A tick woken after the end, for a click due before it, comes too late for that click.
    return RunEnd() <= std::max(dueMicroseconds_, host_.SteadyMicroseconds());
}

std::int64_t ClickScheduler::RunEnd() const {
    if (timeLimitMicroseconds_ == 0) return std::numeric_limits<std::int64_t>::max();
    return runStarted_ + timeLimitMicroseconds_;
}

void ClickScheduler::EndAtTimeLimit() {
    mouse_.ReleaseHeld();
    m_bClicking = false;
    timer_.ReleasePrecision();
    SetRunningIcon(false);
    ShowIdleStatus();
}

SchedulerState ClickScheduler::State() const {
    if (!m_bClicking) return SchedulerState::Idle;
    return timerArmed_ ? SchedulerState::Running : SchedulerState::Halted;
}

void ClickScheduler::ShowIdleStatus() {
    host_.ShowStatus(IdleStatusText(host_.HotKeyAssigned(), host_.HotKeyText()));
}

void ClickScheduler::ApplyPauseBounds() {
    m_clickSender.pressReleaseMin = settings_.pressReleaseMin;
    m_clickSender.pressReleaseMax = settings_.pressReleaseMax;
    m_clickSender.doubleClickMin = settings_.doubleClickMin;
    m_clickSender.doubleClickMax = settings_.doubleClickMax;
}

int ClickScheduler::IntervalUnit() const {
    return settings_.delayBetweenClicks == kFixedDelay ? settings_.fixedDelayScale
                                                       : settings_.randomDelayScale;
}

// The unit is checked before anything is drawn, so an unusable unit consumes no random value.
std::optional<int> ClickScheduler::NextInterval() {
    const std::optional<std::int64_t> factor = MillisecondsPerUnit(IntervalUnit());
    if (!factor) return std::nullopt;
    const int value =
        settings_.delayBetweenClicks == kFixedDelay
            ? settings_.fixedDelayInClicks
            : RandomBetween(random_, settings_.randomDelayFrom, settings_.randomDelayTo);
    const std::int64_t milliseconds = value * *factor;
    if (milliseconds < 0 || milliseconds > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(milliseconds);
}

}  // namespace quorvel
