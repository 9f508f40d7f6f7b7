#include "platform/click_timer.h"

namespace quorvel::win {

bool WindowTimer::Arm(std::uint32_t milliseconds) {
    // Without a window SetTimer would make a thread timer under a new id that Kill cannot reach.
    if (window_ == nullptr) return false;
    // Arming an armed timer replaces its interval.
    return SetTimer(window_, id_, milliseconds, nullptr) != 0;
}

void WindowTimer::Kill() {
    KillTimer(window_, id_);  // killing a timer that is not armed is harmless
}

}  // namespace quorvel::win
