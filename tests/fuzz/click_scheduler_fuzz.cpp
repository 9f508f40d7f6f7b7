// The click scheduler fed arbitrary settings, pause bounds, desktop, seed and a sequence of
// start/stop, timer and settings-change events. Besides the sanitizers' findings it checks:
// every armed interval lies in 0..2147483647 ms and is the exact fixed interval when one is
// set, the click count is never negative, no pause exceeds its bounds (so none has wrapped),
// every click point lies where its location mode puts it, and the timer is armed exactly
// while the scheduler says it is running.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>

#include "engine/click_scheduler.h"
#include "engine/click_target.h"
#include "engine/interval_units.h"
#include "engine_fakes.h"
#include "fuzz_input.h"

namespace {

using quorvel::ClickSettings;
using quorvel::Point;
using quorvel::fuzz::FuzzInput;

constexpr std::int64_t kLargestInterval = std::numeric_limits<int>::max();

constexpr std::array<const char*, 4> kPauseKeys{
    "MDMU_MIN_DELAY", "MDMU_MAX_DELAY", "DOUBLE_CLICKS_MIN_DELAY", "DOUBLE_CLICKS_MAX_DELAY"};

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

// Remembers the settings the scheduler last took in, to judge what it did with them.
class Host final : public quorvel::testing::FakeHost {
public:
    ClickSettings RefreshSettings() override {
        taken = settings;
        return settings;
    }
    ClickSettings taken;
};

// Checks every pause against the largest bound the click was given.
class Mouse final : public quorvel::MousePort {
public:
    void SendButton(quorvel::ButtonEvent, std::uintptr_t extraInfo) override {
        FUZZ_CHECK(extraInfo == quorvel::kClickExtraInfo);
    }
    void Sleep(std::uint32_t milliseconds) override { FUZZ_CHECK(milliseconds <= longestPause); }
    std::uint32_t longestPause = 0;
};

// Arming checks the interval against the settings the scheduling was made from.
class Timer final : public quorvel::ClickTimerPort {
public:
    explicit Timer(const Host& host) : m_host(host) {}
    bool Arm(std::uint32_t milliseconds) override {
        FUZZ_CHECK(milliseconds <= kLargestInterval);
        const ClickSettings& taken = m_host.taken;
        if (taken.delayBetweenClicks == 1) {
            const std::optional<std::int64_t> factor =
                quorvel::MillisecondsPerUnit(taken.fixedDelayScale);
            FUZZ_CHECK(factor && milliseconds == taken.fixedDelayInClicks * *factor);
        }
        armed = !refuse;
        return armed;
    }
    void Kill() override { armed = false; }

    bool refuse = false;
    bool armed = false;

private:
    const Host& m_host;
};

// A fixed interval that cannot be armed must be refused before it reaches the timer.
void CheckRefusedFixedInterval(const Host& host, std::size_t stopMessagesBefore,
                               std::size_t stopMessagesAfter) {
    const ClickSettings& taken = host.taken;
    if (taken.delayBetweenClicks != 1) return;
    const std::optional<std::int64_t> factor = quorvel::MillisecondsPerUnit(taken.fixedDelayScale);
    if (!factor) return;
    const std::int64_t product = taken.fixedDelayInClicks * *factor;
    if (product < 0 || product > kLargestInterval) {
        FUZZ_CHECK(stopMessagesAfter == stopMessagesBefore + 1);
    }
}

std::uint32_t LongestPause(const quorvel::CClickSender& sender) {
    const int longest = std::max({0, sender.pressReleaseMin, sender.pressReleaseMax,
                                  sender.doubleClickMin, sender.doubleClickMax});
    return static_cast<std::uint32_t>(longest);
}

void CheckClickPoint(const ClickSettings& taken, const quorvel::VirtualScreen& desktop,
                     const quorvel::testing::FakeCursor& cursor, Point before, Point after) {
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    Host host;
    for (int ClickSettings::*member : kSettingMembers) host.settings.*member = input.Int32();
    const std::uint8_t presentKeys = input.Byte();
    for (std::size_t i = 0; i < kPauseKeys.size(); ++i) {
        const int value = input.Int32();
        if (presentKeys & (1u << i)) host.store[kPauseKeys[i]] = value;
    }
    const quorvel::VirtualScreen desktop{input.Int32(), input.Int32(), input.Int32(),
                                         input.Int32()};
    host.seconds = input.Int64();
    host.hotKeyAssigned = input.Byte() & 1;

    quorvel::testing::FakeMetrics metrics(desktop);
    const quorvel::DesktopMeasurement measured = quorvel::MeasureDesktop(metrics);
    FUZZ_CHECK(measured.rectX.lower == desktop.left && measured.rectY.lower == desktop.top);

    Timer timer(host);
    Mouse mouse;
    quorvel::testing::FakeCursor cursor;
    quorvel::ClickScheduler scheduler(host, timer, mouse, cursor);
    scheduler.SetDesktop(desktop);

    while (!input.Empty()) {
        const std::size_t stopMessagesBefore = host.stopMessages.size();
        switch (input.Byte() % 6) {
        case 0:
            scheduler.StartStopClicking();
            if (scheduler.IsClicking()) {
                CheckRefusedFixedInterval(host, stopMessagesBefore, host.stopMessages.size());
            }
            break;
        case 1: {
            // The timer only fires while it is armed.
            if (!timer.armed) break;
            const ClickSettings taken = host.taken;
            const Point before = scheduler.LastClick();
            cursor.position = {input.Int32(), input.Int32()};
            mouse.longestPause = LongestPause(scheduler.ClickSender());
            scheduler.OnClickTimer();
            CheckClickPoint(taken, desktop, cursor, before, scheduler.LastClick());
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
            host.store[kPauseKeys[input.Byte() % kPauseKeys.size()]] = input.Int32();
            break;
        default:
            cursor.readable = !cursor.readable;
            break;
        }
        FUZZ_CHECK(scheduler.ClicksDone() >= 0);
        FUZZ_CHECK(scheduler.IntervalMs() >= 0);
        FUZZ_CHECK(timer.armed == (scheduler.State() == quorvel::SchedulerState::Running));
    }
    return 0;
}
