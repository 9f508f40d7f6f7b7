#include "platform/click_timer.h"

#include "platform/newer_windows.h"

namespace quorvel::win {
namespace {

constexpr UINT kTimerResolutionMs = 1;

}  // namespace

WindowTimer::~WindowTimer() { ReleasePrecision(); }

bool WindowTimer::Arm(std::uint32_t milliseconds) {
    // Without a window SetTimer would make a thread timer under a new id that Kill cannot reach.
    if (window_ == nullptr) return false;
    // Arming an armed timer replaces its interval.
    return SetTimer(window_, id_, milliseconds, nullptr) != 0;
}

void WindowTimer::Kill() {
    KillTimer(window_, id_);  // killing a timer that is not armed is harmless
}

void WindowTimer::HoldPrecision() {
    if (holdsPrecision_) return;
    KeepTimerResolutionWhileHidden();
    // Refused for a resolution the system cannot give, or without winmm; the run then keeps the
    // default.
    holdsPrecision_ = BeginTimerResolution(kTimerResolutionMs);
}

void WindowTimer::ReleasePrecision() {
    if (!holdsPrecision_) return;
    EndTimerResolution(kTimerResolutionMs);
    holdsPrecision_ = false;
}

}  // namespace quorvel::win
