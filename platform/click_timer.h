#pragma once
// What wakes the click tick: a window timer that delivers WM_TIMER with its id to the window
// that owns it, or a message the window posts to itself to come back at once; and the
// process-wide timer precision that a clicking run asks for.

#include <windows.h>

#include <cstdint>

#include "engine/ports.h"

namespace quorvel::win {

class WindowTimer final : public ClickTimerPort {
public:
    // Posted to the window to wake the tick at once; the window hands it to TakeContinuation.
    static constexpr UINT kContinueMessage = WM_APP + 1;

    WindowTimer(HWND window, UINT_PTR id) : window_(window), id_(id) {}
    ~WindowTimer() override;
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    // A dialog's timer is made before its window exists.
    void SetWindow(HWND window) { window_ = window; }

    // Whether the run's waits need the system's timers kept to the millisecond: where there is
    // no high-resolution waitable timer. Asking where it is not needed would keep the processor
    // out of its power-saving states for nothing (system-wide before Windows 10, version 2004).
    void SetPrecisionNeeded(bool needed) { precisionNeeded_ = needed; }

    bool Arm(std::uint32_t milliseconds) override;
    bool ArmNow() override;
    void Kill() override;
    void HoldPrecision() override;
    void ReleasePrecision() override;

    // For kContinueMessage: true when it is the one ArmNow asked for and no Kill came since.
    bool TakeContinuation();

private:
    static LRESULT CALLBACK OnMessageTaken(int code, WPARAM removal, LPARAM message);
    bool PostContinuation();
    void StopWaitingForTheQueue();

    HWND window_;
    UINT_PTR id_;
    bool precisionNeeded_ = true;
    bool holdsPrecision_ = false;
    bool continuationDue_ = false;
    // Set while the continuation waits for the thread to take its next message.
    HHOOK queueHook_ = nullptr;
    // When input, painting and timers last had their turn, on the steady clock, and whether
    // they are having one.
    std::int64_t lastQueueTurn_ = 0;
    bool queueTurn_ = false;
};

}  // namespace quorvel::win
