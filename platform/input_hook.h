#pragma once
// The low-level mouse and keyboard hooks that the Options need, on a thread of their own. The
// system gives such a hook at most its LowLevelHooksTimeout to answer and silently removes one
// that misses it, and the window's thread waits inside a run: so the hooks never run there. The
// thread only answers the hooks and posts what matters to the window, as WM_HOTKEY messages of
// an identifier of its own, which queue in order with the shortcut key's own presses.

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <future>
#include <mutex>
#include <thread>

#include "engine/hand_movement.h"
#include "engine/ports.h"
#include "engine/run_options.h"

namespace quorvel::win {

// The hot-key identifier of the hook's messages; no registration uses it.
inline constexpr WPARAM kInputHookId = 0xBFFF;

// What a hook message tells, in the low word of its lParam; the high word holds the key.
enum class HookEvent : WORD {
    ButtonDown = 1,   // the trigger button, pressed by hand
    ButtonUp = 2,     // and released
    KeyUp = 3,        // the shortcut's key released
    MovedByHand = 4,  // the hand has moved the cursor far enough since the watch began
};

inline HookEvent HookEventOf(LPARAM lParam) { return static_cast<HookEvent>(LOWORD(lParam)); }

struct InputHookNeeds {
    // Its presses and releases are told, and kept from the window under the cursor.
    TriggerButton button = TriggerButton::None;
    bool watchMovement = false;
    std::uint16_t releasedKey = 0;  // the key whose releases are told; 0 none
    friend bool operator==(const InputHookNeeds&, const InputHookNeeds&) = default;
};

class InputHook {
public:
    InputHook() = default;
    InputHook(const InputHook&) = delete;
    InputHook& operator=(const InputHook&) = delete;
    ~InputHook();

    // Installs the hooks that the needs ask for, on a new thread, and returns once they are in;
    // with no need, no hook and no thread remain.
    void Apply(HWND window, const InputHookNeeds& needs);
    bool Active() const { return thread_.joinable(); }
    bool WatchesMovement() const { return Active() && needs_.watchMovement; }

    // Counts the hand's movement from here on; MovedByHand is told once for each watch.
    void WatchMovementFrom(Point cursor);
    // The program is about to set the cursor there.
    void OwnCursorMove(Point to);

private:
    static LRESULT CALLBACK MouseProc(int code, WPARAM message, LPARAM data);
    static LRESULT CALLBACK KeyboardProc(int code, WPARAM message, LPARAM data);
    // Tells its thread id once the hooks are in.
    void Run(std::promise<DWORD>& threadId);
    void Stop();
    // True when the event is the trigger button's and is to be swallowed.
    bool OnMouse(UINT message, const MSLLHOOKSTRUCT& event);
    void Tell(HookEvent event, std::uint16_t key = 0) const;

    // The one hook of the process, for the hook procedures.
    static std::atomic<InputHook*> current_;

    HWND window_ = nullptr;
    // Changed only while no thread runs.
    InputHookNeeds needs_;
    std::thread thread_;
    DWORD threadId_ = 0;

    std::mutex movementLock_;
    HandMovementWatch movement_;
    bool watching_ = false;
    bool told_ = false;
};

// The cursor as the scheduler moves it, telling the hook of each of the program's own moves.
class WatchedCursor final : public CursorPort {
public:
    WatchedCursor(CursorPort& cursor, InputHook& hook) : cursor_(cursor), hook_(hook) {}
    bool GetPosition(Point& point) override { return cursor_.GetPosition(point); }
    void MoveTo(Point point) override;

private:
    CursorPort& cursor_;
    InputHook& hook_;
};

}  // namespace quorvel::win
