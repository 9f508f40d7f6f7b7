// The click scheduler fed arbitrary settings, pause bounds, desktop, seed and a sequence of
// start/stop, timer and settings-change events, on a clock that moves: what wakes the tick comes
// late or a little early, the machine stalls, the shortcut key is pressed in the middle of a
// tick, boxes stay open for a while with the key pressed inside them, and a time limit comes and
// goes. Besides the sanitizers' findings it checks: timer 1 is only asked for waits it can keep,
// in 0..2147483647 ms, ending a lead before the next due time or the run's end; the interval is
// the exact fixed interval when one is set; no click comes before it is due or once a key press
// waits, and no button is left down; a tick with a press waiting leaves the press to be handled
// first; the click count is never negative; no pause exceeds its bounds (so none has wrapped);
// every click point lies where its location mode puts it; and the timer, the timer precision,
// the icon and the status line agree with the scheduler's state after every event.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>

#include "engine/click_scheduler.h"
#include "engine/click_target.h"
#include "engine/interval_units.h"
#include "engine/status_texts.h"
#include "engine/timer_lead.h"
#include "engine_fakes.h"
#include "fuzz_input.h"

namespace {

using quorvel::ClickSettings;
using quorvel::Point;
using quorvel::test::FuzzInput;

constexpr std::int64_t kLargestInterval = std::numeric_limits<int>::max();
// A window timer never fires sooner than this after it is armed, less the early jitter below.
constexpr std::int64_t kTimerMinimumMicroseconds = 10000;
constexpr std::int64_t kLargestEarlinessMicroseconds = 2000;

constexpr std::array<int ClickSettings::*, 4> kPauseMembers{
    &ClickSettings::pressReleaseMin, &ClickSettings::pressReleaseMax,
    &ClickSettings::doubleClickMin, &ClickSettings::doubleClickMax};

constexpr std::array<int ClickSettings::*, 14> kSettingMembers{
    &ClickSettings::clickLocation,
    &ClickSettings::locX,
    &ClickSettings::locY,
    &ClickSettings::locWidth,
    &ClickSettings::locHeight,
    &ClickSettings::howManyClicks,
    &ClickSettings::fixedClicksCount,
    &ClickSettings::delayBetweenClicks,
    &ClickSettings::randomDelayFrom,
    &ClickSettings::randomDelayTo,
    &ClickSettings::fixedDelayInClicks,
    &ClickSettings::fixedDelayScale,
    &ClickSettings::randomDelayScale,
    &ClickSettings::radioClickType,
};

void CheckClickPoint(const ClickSettings& taken, const quorvel::VirtualScreen& desktop,
                     const quorvel::test::FakeCursor& cursor, Point before, Point after) {
    constexpr std::int64_t kLargestDraw = quorvel::RandomGenerator::kMax;
    switch (taken.clickLocation) {
    case quorvel::kLocationAtCursor:
        FUZZ_CHECK(after == (cursor.readable ? cursor.position : before));
        break;
    case quorvel::kLocationAnywhereOnDesktop:
        if (desktop.width == 0 || desktop.height == 0) {
            FUZZ_CHECK(after == before);
        } else {
            FUZZ_CHECK(after.x >= desktop.left &&
                       after.x - std::int64_t{desktop.left} <= kLargestDraw);
            FUZZ_CHECK(after.y >= desktop.top &&
                       after.y - std::int64_t{desktop.top} <= kLargestDraw);
            FUZZ_CHECK(cursor.position == after);
        }
        break;
    case quorvel::kLocationInRectangle: {
        const std::int64_t right = std::int64_t{taken.locX} + taken.locWidth;
        const std::int64_t bottom = std::int64_t{taken.locY} + taken.locHeight;
        FUZZ_CHECK(after.x >= taken.locX && (after.x == taken.locX || after.x < right));
        FUZZ_CHECK(after.y >= taken.locY && (after.y == taken.locY || after.y < bottom));
        FUZZ_CHECK(after.x - std::int64_t{taken.locX} <= kLargestDraw);
        FUZZ_CHECK(after.y - std::int64_t{taken.locY} <= kLargestDraw);
        FUZZ_CHECK(cursor.position == after);
        break;
    }
    default:
        FUZZ_CHECK(after == before);
        break;
    }
}

// Remembers the settings the scheduler last took in, to judge what it did with them. A box
// (a refused field's, or the arming failure's) stays open for a while, and the user may press
// the shortcut key inside it.
class Host final : public quorvel::test::FakeHost {
public:
    // Inside a tick, the settings are taken in after every click, which used the ones taken
    // before it.
    quorvel::TakenSettings RefreshSettings() override {
        if (inTick && boxDepth == 0) {
            CheckClickPoint(taken, *desktop, *cursor, pointBefore, scheduler->LastClick());
            pointBefore = scheduler->LastClick();
        }
        taken = settings;
        ++refreshes;
        calls.push_back('r');
        if (refuse) InsideBox();
        return {settings, refuse};
    }
    void ShowStopMessage(const std::string& text) override {
        stopMessages.push_back(text);
        calls.push_back('s');
        InsideBox();
    }

    ClickSettings taken;
    std::string calls;  // r: settings taken in, s: stop message
    quorvel::ClickScheduler* scheduler = nullptr;
    const quorvel::VirtualScreen* desktop = nullptr;
    const quorvel::test::FakeCursor* cursor = nullptr;
    std::int64_t boxMicroseconds = 0;
    int keyPressesInBox = 0;
    bool inTick = false;
    Point pointBefore;

private:
    void InsideBox() {
        steadyMicroseconds += boxMicroseconds;
        // Used up by the box it happens in; a nested start's own boxes see none.
        const int presses = keyPressesInBox;
        keyPressesInBox = 0;
        ++boxDepth;
        for (int i = 0; i < presses; ++i) scheduler->StartStopClicking();
        --boxDepth;
    }

    int boxDepth = 0;
};

std::uint32_t LongestPause(const quorvel::CClickSender& sender) {
    const int longest = std::max({0, sender.pressReleaseMin, sender.pressReleaseMax,
                                  sender.doubleClickMin, sender.doubleClickMax});
    return static_cast<std::uint32_t>(longest);
}

// The mouse and the waits of a run, on the clock they move on. Checks every pause against the
// largest bound the sender holds, that no press comes before its click is due or once a key
// press waits, and that no button is left down. The key is pressed when the clock reaches pressAt.
class Mouse final : public quorvel::MousePort, public quorvel::WaitPort {
public:
    explicit Mouse(std::int64_t& clock) : m_clock(clock) {}
    void SendButton(quorvel::ButtonEvent event, std::uintptr_t extraInfo) override {
        FUZZ_CHECK(extraInfo == quorvel::kClickExtraInfo);
        const bool press = event == quorvel::ButtonEvent::LeftDown ||
                           event == quorvel::ButtonEvent::RightDown ||
                           event == quorvel::ButtonEvent::MiddleDown;
        if (press) {
            FUZZ_CHECK(!buttonDown);
            FUZZ_CHECK(!KeyPressPending());
            FUZZ_CHECK(m_clock >= scheduler->NextClickDue());
        }
        buttonDown = press;
    }
    bool ReleaseHeld() override { return !buttonDown; }
    bool Pause(std::uint32_t milliseconds) override {
        FUZZ_CHECK(milliseconds <= LongestPause(scheduler->ClickSender()));
        return WaitFor(m_clock + std::int64_t{milliseconds} * 1000);
    }
    bool WaitUntil(std::int64_t steadyMicroseconds) override { return WaitFor(steadyMicroseconds); }
    bool KeyPressPending() override { return pressAt && m_clock >= *pressAt; }

    bool buttonDown = false;
    std::optional<std::int64_t> pressAt;
    const quorvel::ClickScheduler* scheduler = nullptr;

private:
    // As the real wait does, a press already waiting ends it before the time is looked at.
    bool WaitFor(std::int64_t until) {
        if (pressAt && std::max(m_clock, until) >= *pressAt) {
            m_clock = std::max(m_clock, *pressAt);
            return false;
        }
        m_clock = std::max(m_clock, until);
        return true;
    }

    std::int64_t& m_clock;
};

// A fixed interval that cannot be armed must be refused before it reaches the timer (a start
// made inside the refusal box may be refused once more).
void CheckRefusedFixedInterval(const Host& host, std::size_t stopMessagesBefore,
                               std::size_t stopMessagesAfter) {
    const ClickSettings& taken = host.taken;
    if (taken.delayBetweenClicks != 1) return;
    const std::optional<std::int64_t> factor = quorvel::MillisecondsPerUnit(taken.fixedDelayScale);
    if (!factor) return;
    const std::int64_t product = taken.fixedDelayInClicks * *factor;
    if (product < 0 || product > kLargestInterval) {
        FUZZ_CHECK(stopMessagesAfter > stopMessagesBefore);
    }
}

// The timer, its precision, the icon and the status line say what the scheduler's state says,
// and an armed timer waits exactly until the next click is due; a due time already past, by an
// interval or a timer tick at most, is kept and woken for at once.
void CheckAgreement(const quorvel::ClickScheduler& scheduler, const Host& host,
                    const quorvel::test::FakeTimer& timer, bool armedByTimeLimit) {
    FUZZ_CHECK(scheduler.ClicksDone() >= 0);
    FUZZ_CHECK(scheduler.IntervalMs() >= 0);
    FUZZ_CHECK(timer.armed == (scheduler.State() == quorvel::SchedulerState::Running));
    // Precision is held only by a run that clicks: never while idle or halted.
    if (timer.precise) FUZZ_CHECK(scheduler.State() == quorvel::SchedulerState::Running);
    if (!host.icons.empty()) FUZZ_CHECK(host.icons.back() == scheduler.IsClicking());
    if (!scheduler.IsClicking() && !host.statuses.empty()) {
        FUZZ_CHECK(host.statuses.back() ==
                   quorvel::IdleStatusText(host.hotKeyAssigned, "Ctrl + F6"));
    }
    if (!timer.armed) return;
    // Timer 1 is asked only for waits it can keep, ending a lead before the click is due;
    // shorter ones come back at once.
    const std::int64_t due = scheduler.NextClickDue();
    const std::int64_t wake = scheduler.NextWake();
    // A time limit set after a stall wakes at once for a due time further past, and the tick
    // then ends the run or starts its cadence anew.
    const std::int64_t keptLateness =
        quorvel::ClickScheduler::KeptLateness(std::int64_t{scheduler.IntervalMs()} * 1000);
    FUZZ_CHECK(wake <= due ||
               (wake == timer.armedAt && (due + keptLateness >= wake || armedByTimeLimit)));
    if (!timer.immediate && wake > timer.armedAt) {
        FUZZ_CHECK(std::min(due, scheduler.RunEnd()) - wake <=
                   quorvel::TimerLead::kMostMicroseconds);
        const std::int64_t wait =
            std::min<std::int64_t>((wake - timer.armedAt + 999) / 1000, kLargestInterval);
        FUZZ_CHECK(wait * 1000 >= quorvel::ClickScheduler::kTimerFloorMicroseconds);
        FUZZ_CHECK(timer.armings.back() == wait);
    }
    const ClickSettings& taken = host.taken;
    if (taken.delayBetweenClicks == 1) {
        const std::optional<std::int64_t> factor =
            quorvel::MillisecondsPerUnit(taken.fixedDelayScale);
        FUZZ_CHECK(factor && scheduler.IntervalMs() == taken.fixedDelayInClicks * *factor);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    Host host;
    for (int ClickSettings::*member : kSettingMembers) host.settings.*member = input.Int32();
    const std::uint8_t presentKeys = input.Byte();
    // A bound not in the store keeps its default.
    for (std::size_t i = 0; i < kPauseMembers.size(); ++i) {
        const int value = input.Int32();
        if (presentKeys & (1u << i)) host.settings.*kPauseMembers[i] = value;
    }
    const quorvel::VirtualScreen desktop{input.Int32(), input.Int32(), input.Int32(),
                                         input.Int32()};
    host.seconds = input.Int64();
    host.hotKeyAssigned = input.Byte() & 1;

    quorvel::test::FakeMetrics metrics(desktop);
    const quorvel::DesktopMeasurement measured = quorvel::MeasureDesktop(metrics);
    FUZZ_CHECK(measured.rectX.lower == desktop.left && measured.rectY.lower == desktop.top);

    quorvel::test::FakeTimer timer;
    timer.clock = &host.steadyMicroseconds;
    Mouse mouse(host.steadyMicroseconds);
    quorvel::test::FakeCursor cursor;
    quorvel::ClickScheduler scheduler(host, timer, mouse, mouse, cursor);
    host.scheduler = &scheduler;
    host.desktop = &desktop;
    host.cursor = &cursor;
    mouse.scheduler = &scheduler;
    scheduler.SetDesktop(desktop);

    bool armedByTimeLimit = false;
    while (!input.Empty()) {
        const std::size_t stopMessagesBefore = host.stopMessages.size();
        const std::size_t armingsBefore = timer.armings.size() + timer.continuations;
        const int event = input.Byte() % 9;
        switch (event) {
        case 0:
            scheduler.StartStopClicking();
            if (scheduler.IsClicking()) {
                CheckRefusedFixedInterval(host, stopMessagesBefore, host.stopMessages.size());
            }
            break;
        case 1: {
            // What woke the tick comes only while it is armed, never sooner than the platform
            // allows, and the clock never goes back.
            if (!timer.armed) break;
            const std::int64_t wait =
                timer.immediate ? 0
                                : std::max<std::int64_t>(std::int64_t{timer.armings.back()} * 1000,
                                                         kTimerMinimumMicroseconds);
            const std::int64_t lateness =
                static_cast<std::int64_t>(input.Byte()) * 250 - kLargestEarlinessMicroseconds;
            host.steadyMicroseconds =
                std::max(host.steadyMicroseconds, timer.armedAt + wait + lateness);
            // Now and then the key is pressed somewhere in the tick.
            const std::uint8_t press = input.Byte();
            if (press < 64) mouse.pressAt = host.steadyMicroseconds + std::int64_t{press} * 200;
            const std::size_t callsBefore = host.calls.size();
            cursor.position = {input.Int32(), input.Int32()};
            host.pointBefore = scheduler.LastClick();
            host.inTick = true;
            scheduler.OnClickTimer();
            host.inTick = false;
            FUZZ_CHECK(!mouse.buttonDown);
            if (mouse.pressAt) {
                // The press is handled once the tick is over, before anything else can wake it.
                FUZZ_CHECK(!timer.armed || !timer.immediate ||
                           host.steadyMicroseconds < *mouse.pressAt);
                if (host.steadyMicroseconds >= *mouse.pressAt) scheduler.StartStopClicking();
                mouse.pressAt.reset();
            }
            // A tick that clicks takes the settings in before anything else; one that only
            // waits on may show the arming failure, and a start inside it takes them too.
            if (host.calls.size() == callsBefore || host.calls[callsBefore] != 'r') break;
            // A tick that ends the run at its count limit works out no interval.
            if (scheduler.IsClicking()) {
                CheckRefusedFixedInterval(host, stopMessagesBefore, host.stopMessages.size());
            }
            break;
        }
        case 2:
            timer.refuse = !timer.refuse;
            break;
        case 3:
            host.settings.*kSettingMembers[input.Byte() % kSettingMembers.size()] = input.Int32();
            break;
        case 4:
            host.settings.*kPauseMembers[input.Byte() % kPauseMembers.size()] = input.Int32();
            break;
        case 5:
            cursor.readable = !cursor.readable;
            break;
        case 6:
            // The machine stalls, or the thread waits on the area picker.
            host.steadyMicroseconds += std::int64_t{input.Byte()} << 16;
            break;
        case 7:
            // A time limit, or none, set at any moment of a run.
            scheduler.SetTimeLimit(std::int64_t{input.Byte()} << 16);
            break;
        default:
            host.refuse = input.Byte() & 1;
            host.boxMicroseconds = std::int64_t{input.Byte()} << 12;
            host.keyPressesInBox = input.Byte() % 3;
            break;
        }
        // Until something else arms the timer, it stays as the time limit armed it.
        if (timer.armings.size() + timer.continuations != armingsBefore) {
            armedByTimeLimit = event == 7;
        }
        CheckAgreement(scheduler, host, timer, armedByTimeLimit);
    }
    return 0;
}
