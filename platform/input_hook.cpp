#include "platform/input_hook.h"

#include <future>
#include <optional>

namespace quorvel::win {
namespace {

// Whether a mouse event is the chosen button's press (true) or release (false).
std::optional<bool> TriggerButtonEvent(TriggerButton button, UINT message, WORD xButton) {
    switch (message) {
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        if (button != TriggerButton::Middle) return std::nullopt;
        return message == WM_MBUTTONDOWN;
    case WM_XBUTTONDOWN:
    case WM_XBUTTONUP:
        if (!(button == TriggerButton::Back && xButton == XBUTTON1) &&
            !(button == TriggerButton::Forward && xButton == XBUTTON2)) {
            return std::nullopt;
        }
        return message == WM_XBUTTONDOWN;
    default:
        return std::nullopt;
    }
}

}  // namespace

std::atomic<InputHook*> InputHook::current_{nullptr};

InputHook::~InputHook() { Stop(); }

void InputHook::Apply(HWND window, const InputHookNeeds& needs) {
    const bool needed =
        needs.button != TriggerButton::None || needs.watchMovement || needs.releasedKey != 0;
    if (Active() && needs == needs_ && window == window_) return;
    Stop();
    if (!needed) return;

    window_ = window;
    needs_ = needs;
    current_ = this;
    std::promise<DWORD> threadId;
    std::future<DWORD> hooksIn = threadId.get_future();
    thread_ = std::thread([this, &threadId] { Run(threadId); });
    threadId_ = hooksIn.get();
}

void InputHook::Stop() {
    if (!thread_.joinable()) return;
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
    current_ = nullptr;
}

void InputHook::Run(std::promise<DWORD>& threadId) {
    MSG msg;
    // Makes the thread's queue, so that the quit message can be posted to it at once.
    PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    // An answer that comes late is an answer lost: the hooks go before other work of the system.
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    const HINSTANCE module = GetModuleHandleA(nullptr);
    const bool mouse = needs_.button != TriggerButton::None || needs_.watchMovement;
    HHOOK mouseHook = mouse ? SetWindowsHookExA(WH_MOUSE_LL, &MouseProc, module, 0) : nullptr;
    HHOOK keyboardHook = needs_.releasedKey != 0
                             ? SetWindowsHookExA(WH_KEYBOARD_LL, &KeyboardProc, module, 0)
                             : nullptr;
    threadId.set_value(GetCurrentThreadId());

    // The hooks are called from inside this wait.
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    }
    if (mouseHook != nullptr) UnhookWindowsHookEx(mouseHook);
    if (keyboardHook != nullptr) UnhookWindowsHookEx(keyboardHook);
}

LRESULT CALLBACK InputHook::MouseProc(int code, WPARAM message, LPARAM data) {
    InputHook* hook = current_;
    if (code == HC_ACTION && hook != nullptr) {
        const auto& event = *reinterpret_cast<const MSLLHOOKSTRUCT*>(data);
        // Injected input, the program's own clicks among it, never counts.
        const bool injected = (event.flags & (LLMHF_INJECTED | LLMHF_LOWER_IL_INJECTED)) != 0;
        if (!injected && hook->OnMouse(static_cast<UINT>(message), event)) return 1;
    }
    return CallNextHookEx(nullptr, code, message, data);
}

LRESULT CALLBACK InputHook::KeyboardProc(int code, WPARAM message, LPARAM data) {
    InputHook* hook = current_;
    if (code == HC_ACTION && hook != nullptr && (message == WM_KEYUP || message == WM_SYSKEYUP)) {
        // Injected releases count: the registered hot key takes injected presses too.
        const auto& event = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
        if (event.vkCode == hook->needs_.releasedKey) {
            hook->Tell(HookEvent::KeyUp, hook->needs_.releasedKey);
        }
    }
    return CallNextHookEx(nullptr, code, message, data);
}

bool InputHook::OnMouse(UINT message, const MSLLHOOKSTRUCT& event) {
    if (message == WM_MOUSEMOVE) {
        if (!needs_.watchMovement) return false;
        bool tell = false;
        {
            const std::lock_guard<std::mutex> lock(movementLock_);
            if (watching_ && !told_ && movement_.Moved({event.pt.x, event.pt.y})) {
                told_ = true;
                tell = true;
            }
        }
        if (tell) Tell(HookEvent::MovedByHand);
        return false;
    }
    const std::optional<bool> down =
        TriggerButtonEvent(needs_.button, message, HIWORD(event.mouseData));
    if (!down) return false;
    Tell(*down ? HookEvent::ButtonDown : HookEvent::ButtonUp);
    // Kept from the window under the cursor, as a registered hot key's press is.
    return true;
}

void InputHook::Tell(HookEvent event, std::uint16_t key) const {
    PostMessageA(window_, WM_HOTKEY, kInputHookId, MAKELPARAM(static_cast<WORD>(event), key));
}

void InputHook::WatchMovementFrom(Point cursor) {
    if (!WatchesMovement()) return;
    const std::lock_guard<std::mutex> lock(movementLock_);
    movement_.Start(cursor);
    watching_ = true;
    told_ = false;
}

void InputHook::OwnCursorMove(Point to) {
    if (!WatchesMovement()) return;
    const std::lock_guard<std::mutex> lock(movementLock_);
    movement_.OwnMove(to);
}

void WatchedCursor::MoveTo(Point point) {
    hook_.OwnCursorMove(point);
    cursor_.MoveTo(point);
    // The system keeps the cursor on a monitor: where it landed is the program's move too.
    Point landed = point;
    if (hook_.WatchesMovement() && cursor_.GetPosition(landed) && !(landed == point)) {
        hook_.OwnCursorMove(landed);
    }
}

}  // namespace quorvel::win
