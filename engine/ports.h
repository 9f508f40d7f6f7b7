#pragma once
// The engine's view of the outside world. CDlgClicker implements these for the real
// program; the unit tests implement them as small recording fakes.

#include <cstdint>
#include <string>

#include "engine/click_settings.h"

namespace quorvel {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// One mouse button event; the values are the platform's MOUSEEVENTF_* flags.
enum class ButtonEvent : std::uint32_t {
    LeftDown = 0x0002,
    LeftUp = 0x0004,
    RightDown = 0x0008,
    RightUp = 0x0010,
    MiddleDown = 0x0020,
    MiddleUp = 0x0040,
};

// Marks every event we synthesise, so that receivers can tell our clicks apart.
inline constexpr std::uintptr_t kClickExtraInfo = 786;

class MousePort {
public:
    virtual ~MousePort() = default;
    // One record per call: the press or release acts at the current cursor position.
    virtual void SendButton(ButtonEvent event, std::uintptr_t extraInfo) = 0;
    // Lifts every button that our presses still hold down, where the system refused a release
    // meanwhile; true when none is left down.
    virtual bool ReleaseHeld() = 0;
};

// Every wait inside a run: the pauses inside a click and the precise wait for a click's due
// time, on the host's steady clock. A press of the shortcut key ends each of them at once; the
// wait then returns false, and the press is handled once the tick is over. A wait that the
// platform could not make returns false too: it never counts as one that ran its course.
class WaitPort {
public:
    virtual ~WaitPort() = default;
    virtual bool Pause(std::uint32_t milliseconds) = 0;
    virtual bool WaitUntil(std::int64_t steadyMicroseconds) = 0;
    // Whether a press of the shortcut key waits to be handled. A repeat of a key held down
    // since the press that was last acted on is no press.
    virtual bool KeyPressPending() = 0;
};

class CursorPort {
public:
    virtual ~CursorPort() = default;
    // False when the position cannot be read; the point is then left untouched.
    virtual bool GetPosition(Point& point) = 0;
    virtual void MoveTo(Point point) = 0;
};

// The virtual screen as the system metrics report it: origin and size.
struct VirtualScreen {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

class ScreenMetricsPort {
public:
    virtual ~ScreenMetricsPort() = default;
    virtual VirtualScreen Measure() = 0;
};

// What wakes the click tick: timer 1 of the main window, used as a one-shot timer re-armed for
// every click, or, for a wait shorter than that timer can keep, the message loop itself.
class ClickTimerPort {
public:
    virtual ~ClickTimerPort() = default;
    // False when the platform refuses to arm it.
    virtual bool Arm(std::uint32_t milliseconds) = 0;
    // Wakes the tick again as soon as the message loop has had its turn (painting, input, other
    // timers), in every loop, the modal ones too. False when the platform refuses.
    virtual bool ArmNow() = 0;
    // Cancels both ways of waking: no tick comes afterwards.
    virtual void Kill() = 0;
    // Held while a run is clicking: the platform's timers kept to the millisecond where its
    // waits need it, also while the window is hidden. Both calls may repeat; a release without
    // a hold does nothing.
    virtual void HoldPrecision() = 0;
    virtual void ReleasePrecision() = 0;
};

// The settings as the controls hold them; refused means a field refused its text and its
// message box has been open in the meantime.
struct TakenSettings {
    ClickSettings settings;
    bool refused = false;
};

// Everything the scheduler needs from the main window besides the mouse and the timer.
class SchedulerHost {
public:
    virtual ~SchedulerHost() = default;
    // Takes the settings in from the controls; a refused field leaves earlier values. Its
    // message box runs a message loop, so the shortcut key may start or stop a run meanwhile.
    // The pause bounds come as stored at that moment.
    virtual TakenSettings RefreshSettings() = 0;
    virtual void ShowStatus(const std::string& text) = 0;
    virtual void ShowRunningIcon(bool running) = 0;
    virtual std::string NowText() = 0;
    virtual bool HotKeyAssigned() = 0;
    virtual std::string HotKeyText() = 0;
    // A modal message box with the stop icon; the shortcut key works while it is open.
    virtual void ShowStopMessage(const std::string& text) = 0;
    // The calendar time in seconds; every run's random sequence is seeded from it.
    virtual std::int64_t CalendarSeconds() = 0;
    // A clock that only moves forward, for the due time of every click.
    virtual std::int64_t SteadyMicroseconds() = 0;
};

}  // namespace quorvel
