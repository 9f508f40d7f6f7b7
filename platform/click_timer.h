#pragma once
// A window timer that delivers WM_TIMER with its id to the window that owns it, and the
// process-wide timer precision that a clicking run asks for.

#include <windows.h>

#include "engine/ports.h"

namespace quorvel::win {

class WindowTimer final : public ClickTimerPort {
public:
    WindowTimer(HWND window, UINT_PTR id) : window_(window), id_(id) {}
    ~WindowTimer() override;
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    // A dialog's timer is made before its window exists.
    void SetWindow(HWND window) { window_ = window; }

    bool Arm(std::uint32_t milliseconds) override;
    void Kill() override;
    void HoldPrecision() override;
    void ReleasePrecision() override;

private:
    HWND window_;
    UINT_PTR id_;
    bool holdsPrecision_ = false;
};

}  // namespace quorvel::win
