#pragma once
// Recording fakes of the engine's ports.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/ports.h"

namespace quorvel::testing {

// A press or release (button set) or a pause (sleepMs set), in the order they happened.
struct MouseStep {
    bool isPause = false;
    ButtonEvent button = ButtonEvent::LeftDown;
    std::uintptr_t extraInfo = 0;
    std::uint32_t sleepMs = 0;
};

class FakeMouse : public MousePort {
public:
    void SendButton(ButtonEvent event, std::uintptr_t extraInfo) override {
        steps.push_back({false, event, extraInfo, 0});
    }
    void Sleep(std::uint32_t milliseconds) override {
        steps.push_back({true, {}, 0, milliseconds});
    }

    std::vector<ButtonEvent> Buttons() const {
        std::vector<ButtonEvent> buttons;
        for (const MouseStep& step : steps) {
            if (!step.isPause) buttons.push_back(step.button);
        }
        return buttons;
    }
    std::vector<std::uint32_t> Pauses() const {
        std::vector<std::uint32_t> pauses;
        for (const MouseStep& step : steps) {
            if (step.isPause) pauses.push_back(step.sleepMs);
        }
        return pauses;
    }

    std::vector<MouseStep> steps;
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

class FakeTimer : public ClickTimerPort {
public:
    bool Arm(std::uint32_t milliseconds) override {
        armings.push_back(milliseconds);
        armed = !refuse;
        return !refuse;
    }
    void Kill() override { armed = false; }

    bool refuse = false;
    bool armed = false;
    std::vector<std::uint32_t> armings;
};

class FakeHost : public SchedulerHost {
public:
    ClickSettings RefreshSettings() override {
        ++refreshes;
        return settings;
    }
    int ReadSetting(const char* key, int defaultValue) override {
        settingReads.emplace_back(key);
        defaultsPassed.push_back(defaultValue);
        const auto found = store.find(key);
        return found == store.end() ? defaultValue : found->second;
    }
    void ShowStatus(const std::string& text) override { statuses.push_back(text); }
    void ShowRunningIcon(bool running) override { icons.push_back(running); }
    std::string NowText() override { return "NOW"; }
    bool HotKeyAssigned() override { return hotKeyAssigned; }
    std::string HotKeyText() override { return "Ctrl + F6"; }
    void ShowStopMessage(const std::string& text) override { stopMessages.push_back(text); }
    std::int64_t CalendarSeconds() override { return seconds; }
    std::int64_t SteadyMicroseconds() override { return steadyMicroseconds; }

    const std::string& LastStatus() const { return statuses.back(); }

    ClickSettings settings;
    std::map<std::string, int> store;
    bool hotKeyAssigned = true;
    std::int64_t seconds = 1700000000;
    std::int64_t steadyMicroseconds = 0;

    int refreshes = 0;
    std::vector<std::string> settingReads;
    std::vector<int> defaultsPassed;
    std::vector<std::string> statuses;
    std::vector<bool> icons;
    std::vector<std::string> stopMessages;
};

}  // namespace quorvel::testing
