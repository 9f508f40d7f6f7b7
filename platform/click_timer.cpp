#include "platform/click_timer.h"

#include "platform/newer_windows.h"
#include "platform/thread_sleep.h"

namespace quorvel::win {
namespace {

constexpr UINT kTimerResolutionMs = 1;
// A posted message is taken before input, painting and timers, so a run that only ever came
// back on posted messages would hold all three back. They get a turn at least this often, for
// all that waits; a turn costs a fast run a repaint of the status line.
constexpr UINT kOvertaken = QS_INPUT | QS_PAINT | QS_TIMER;
constexpr std::int64_t kQueueTurnMicroseconds = 50000;

// The one timer of this thread whose continuation waits for the queue.
WindowTimer* waitingForTheQueue = nullptr;

}  // namespace

WindowTimer::~WindowTimer() {
    StopWaitingForTheQueue();
    ReleasePrecision();
}

bool WindowTimer::Arm(std::uint32_t milliseconds) {
    // Without a window SetTimer would make a thread timer under a new id that Kill cannot reach.
    if (window_ == nullptr) return false;
    // Arming an armed timer replaces its interval.
    return SetTimer(window_, id_, milliseconds, nullptr) != 0;
}

bool WindowTimer::ArmNow() {
    if (window_ == nullptr) return false;
    if (continuationDue_) return true;
    const std::int64_t now = SteadyMicroseconds();
    if (HIWORD(GetQueueStatus(kOvertaken)) == 0) lastQueueTurn_ = now;
    if (now - lastQueueTurn_ < kQueueTurnMicroseconds) return PostContinuation();
    // What waits has had to wait long enough: the message is posted once the thread has taken
    // the next one, whichever loop takes it. The timer stands by in case none comes.
    if (queueHook_ == nullptr) {
        queueHook_ = SetWindowsHookExA(WH_GETMESSAGE, &WindowTimer::OnMessageTaken, nullptr,
                                       GetCurrentThreadId());
    }
    if (queueHook_ != nullptr) waitingForTheQueue = this;
    continuationDue_ = true;
    return Arm(0);
}

LRESULT CALLBACK WindowTimer::OnMessageTaken(int code, WPARAM removal, LPARAM message) {
    // The continuation itself is no turn of the queue: posted again on its own taking, it would
    // come back before anything that waits, for ever.
    const auto* taken = reinterpret_cast<const MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE && waitingForTheQueue != nullptr &&
        !(taken->message == kContinueMessage && taken->hwnd == waitingForTheQueue->window_)) {
        WindowTimer* timer = waitingForTheQueue;
        waitingForTheQueue = nullptr;
        timer->lastQueueTurn_ = SteadyMicroseconds();
        timer->queueTurn_ = true;
        timer->continuationDue_ = timer->PostContinuation();
    }
    return CallNextHookEx(nullptr, code, removal, message);
}

bool WindowTimer::PostContinuation() {
    continuationDue_ = PostMessageA(window_, kContinueMessage, id_, 0) != FALSE;
    return continuationDue_;
}

bool WindowTimer::TakeContinuation() {
    if (!continuationDue_ || waitingForTheQueue == this) return false;
    // A turn lets through everything that waits, one message after another; the timer that
    // stands by ends a turn that goes on too long.
    if (queueTurn_ && HIWORD(GetQueueStatus(kOvertaken)) != 0) {
        waitingForTheQueue = this;
        return false;
    }
    queueTurn_ = false;
    continuationDue_ = false;
    return true;
}

void WindowTimer::Kill() {
    KillTimer(window_, id_);  // killing a timer that is not armed is harmless
    continuationDue_ = false;
    queueTurn_ = false;
    if (waitingForTheQueue == this) waitingForTheQueue = nullptr;
}

void WindowTimer::StopWaitingForTheQueue() {
    if (waitingForTheQueue == this) waitingForTheQueue = nullptr;
    if (queueHook_ != nullptr) UnhookWindowsHookEx(queueHook_);
    queueHook_ = nullptr;
}

void WindowTimer::HoldPrecision() {
    if (holdsPrecision_ || !precisionNeeded_) return;
    KeepTimerResolutionWhileHidden();
    // Refused for a resolution the system cannot give, or without winmm; the run then keeps the
    // default.
    holdsPrecision_ = BeginTimerResolution(kTimerResolutionMs);
}

void WindowTimer::ReleasePrecision() {
    // The hook only ever serves a run.
    StopWaitingForTheQueue();
    if (!holdsPrecision_) return;
    EndTimerResolution(kTimerResolutionMs);
    holdsPrecision_ = false;
}

}  // namespace quorvel::win
