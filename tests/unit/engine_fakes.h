#pragma once
// Recording fakes of the engine's ports.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/ports.h"
#include "ui/main_window_settings.h"

namespace quorvel::test {

// A press or release (button set) or a pause (sleepMs set), in the order they happened.
struct MouseStep {
    bool isPause = false;
    ButtonEvent button = ButtonEvent::LeftDown;
    std::uintptr_t extraInfo = 0;
    std::uint32_t sleepMs = 0;
    std::int64_t at = 0;  // the clock when it happened
};

// What the user does while a box is open; it runs once, and not again inside itself.
inline void RunOnce(std::function<void()>& action) {
    if (!action) return;
    const std::function<void()> now = std::move(action);
    action = nullptr;
    now();
}

// The mouse and the waits between its events, on one clock that the waits move on, when there
// is one. A key press comes when the clock reaches pressAt and ends the wait it falls in.
class FakeMouse : public MousePort, public WaitPort {
public:
    void SendButton(ButtonEvent event, std::uintptr_t extraInfo) override {
        steps.push_back({false, event, extraInfo, 0, Now()});
    }
    bool ReleaseHeld() override {
        ++releasesOfHeld;
        return true;
    }
    bool Pause(std::uint32_t milliseconds) override {
        steps.push_back({true, {}, 0, milliseconds, Now()});
        return WaitFor(Now() + std::int64_t{milliseconds} * 1000);
    }
    bool WaitUntil(std::int64_t steadyMicroseconds) override {
        dueWaits.push_back(steadyMicroseconds - Now());
        return WaitFor(steadyMicroseconds);
    }
    bool KeyPressPending() override { return pressAt && Now() >= *pressAt; }

    std::vector<ButtonEvent> Buttons() const {
        std::vector<ButtonEvent> buttons;
        for (const MouseStep& step : steps) {
            if (!step.isPause) buttons.push_back(step.button);
        }
        return buttons;
    }
    std::vector<std::int64_t> LeftPressTimes() const {
        std::vector<std::int64_t> times;
        for (const MouseStep& step : steps) {
            if (!step.isPause && step.button == ButtonEvent::LeftDown) times.push_back(step.at);
        }
        return times;
    }
    std::vector<std::uint32_t> Pauses() const {
        std::vector<std::uint32_t> pauses;
        for (const MouseStep& step : steps) {
            if (step.isPause) pauses.push_back(step.sleepMs);
        }
        return pauses;
    }

    std::vector<MouseStep> steps;
    std::vector<std::int64_t> dueWaits;  // the precise waits for a click's due time
    int releasesOfHeld = 0;
    std::int64_t* clock = nullptr;
    std::optional<std::int64_t> pressAt;

private:
    std::int64_t Now() const { return clock != nullptr ? *clock : 0; }
    // As the real wait does, a press already waiting ends it before the time is looked at.
    bool WaitFor(std::int64_t until) {
        if (pressAt && std::max(Now(), until) >= *pressAt) {
            if (clock != nullptr) *clock = std::max(*clock, *pressAt);
            return false;
        }
        if (clock != nullptr) *clock = std::max(*clock, until);
        return true;
    }
};

class FakeCursor : public CursorPort {
public:
    bool GetPosition(Point& point) override {
        if (!readable) return false;
        point = position;
        return true;
    }
    void MoveTo(Point point) override {
        moves.push_back(point);
        position = point;
    }

    Point position{};
    bool readable = true;
    std::vector<Point> moves;
};

class FakeMetrics : public ScreenMetricsPort {
public:
    explicit FakeMetrics(VirtualScreen screen) : screen(screen) {}
    VirtualScreen Measure() override { return screen; }
    VirtualScreen screen;
};

// Remembers when it was armed, on the clock it is given, so that a test can fire it then.
class FakeTimer : public ClickTimerPort {
public:
    bool Arm(std::uint32_t milliseconds) override {
        armings.push_back(milliseconds);
        immediate = false;
        if (clock != nullptr) armedAt = *clock;
        armed = !refuse;
        return !refuse;
    }
    bool ArmNow() override {
        ++continuations;
        immediate = true;
        if (clock != nullptr) armedAt = *clock;
        armed = !refuse;
        return !refuse;
    }
    void Kill() override { armed = false; }
    void HoldPrecision() override { precise = true; }
    void ReleasePrecision() override { precise = false; }

    // When it fires if the platform is that many microseconds late.
    std::int64_t FiresAt(std::int64_t latenessMicroseconds = 0) const {
        const std::int64_t wait = immediate ? 0 : std::int64_t{armings.back()} * 1000;
        return armedAt + wait + latenessMicroseconds;
    }

    bool refuse = false;
    bool armed = false;
    bool precise = false;
    bool immediate = false;  // armed to come back at once, not for a wait
    int continuations = 0;
    std::vector<std::uint32_t> armings;
    const std::int64_t* clock = nullptr;
    std::int64_t armedAt = 0;
};

class FakeHost : public SchedulerHost {
public:
    TakenSettings RefreshSettings() override {
        ++refreshes;
        RunOnce(duringRefresh);
        return {settings, refuse};
    }
    void ShowStatus(const std::string& text) override { statuses.push_back(text); }
    void ShowRunningIcon(bool running) override {
        icons.push_back(running);
        steadyMicroseconds += iconMicroseconds;
        RunOnce(duringIcon);
    }
    std::string NowText() override { return "NOW"; }
    bool HotKeyAssigned() override { return hotKeyAssigned; }
    std::string HotKeyText() override { return "Ctrl + F6"; }
    void ShowStopMessage(const std::string& text) override {
        stopMessages.push_back(text);
        RunOnce(duringStopMessage);
    }
    std::int64_t CalendarSeconds() override { return seconds; }
    std::int64_t SteadyMicroseconds() override { return steadyMicroseconds; }

    const std::string& LastStatus() const { return statuses.back(); }

    ClickSettings settings = ui::FirstRunSettings();
    bool refuse = false;  // a field refuses its text, so taking the settings in shows a box
    std::function<void()> duringRefresh;
    std::function<void()> duringStopMessage;
    std::function<void()> duringIcon;   // what sent messages run while the shell shows the icon
    std::int64_t iconMicroseconds = 0;  // how long the shell takes to show the icon
    bool hotKeyAssigned = true;
    std::int64_t seconds = 1700000000;
    std::int64_t steadyMicroseconds = 0;

    int refreshes = 0;
    std::vector<std::string> statuses;
    std::vector<bool> icons;
    std::vector<std::string> stopMessages;
};

}  // namespace quorvel::test
