#include "platform/click_timer.h"

#include <timeapi.h>

namespace quorvel::win {
namespace {

constexpr UINT kTimerResolutionMs = 1;

// Recent Windows coarsens the timers of a process whose windows are hidden or minimised, which
// is this program's usual state in the tray. The call is looked up, since older systems lack it.
void KeepTimerResolutionWhileHidden() {
    using SetProcessInformationFn = BOOL(WINAPI*)(HANDLE, PROCESS_INFORMATION_CLASS, LPVOID, DWORD);
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (kernel == nullptr) return;
    const auto setProcessInformation = reinterpret_cast<SetProcessInformationFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetProcessInformation")));
    if (setProcessInformation == nullptr) return;
    PROCESS_POWER_THROTTLING_STATE state{};
    state.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
    state.ControlMask = PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION;
    state.StateMask = 0;
    // A system that does not know the class refuses it; the timers then work as they are.
    setProcessInformation(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof(state));
}

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
    // Refused only for a resolution the system cannot give; the run then keeps the default.
    holdsPrecision_ = timeBeginPeriod(kTimerResolutionMs) == TIMERR_NOERROR;
}

void WindowTimer::ReleasePrecision() {
    if (!holdsPrecision_) return;
    timeEndPeriod(kTimerResolutionMs);
    holdsPrecision_ = false;
}

}  // namespace quorvel::win
