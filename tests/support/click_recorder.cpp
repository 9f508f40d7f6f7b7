#include "tests/support/click_recorder.h"

#include "tests/support/button_messages.h"
#include "tests/support/wait.h"

namespace quorvel::test {

namespace {

constexpr char kClassName[] = "QuorvelClickRecorder";
constexpr DWORD kReadyTimeoutMs = 5000;

void RegisterRecorderClass(WNDPROC procedure) {
    // No CS_DBLCLKS: a second press must arrive as a press, as the clicks were sent.
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);  // already registered by an earlier recorder is fine
}

}  // namespace

ClickRecorder::ClickRecorder(RECT screenArea) {
    RegisterRecorderClass(&ClickRecorder::WindowProc);
    window_ = CreateWindowExA(
        WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, "Click recorder", WS_POPUP | WS_VISIBLE,
        screenArea.left, screenArea.top, screenArea.right - screenArea.left,
        screenArea.bottom - screenArea.top, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    if (window_ == nullptr) return;
    centre_ = {(screenArea.left + screenArea.right) / 2, (screenArea.top + screenArea.bottom) / 2};
    WaitUntilReady(kReadyTimeoutMs);  // callers that must know ask WaitUntilReady themselves
}

ClickRecorder::~ClickRecorder() {
    if (window_ != nullptr) DestroyWindow(window_);
    DispatchPendingMessages();  // leave no message of this window for the next test
}

bool ClickRecorder::IsReady() const {
    POINT cursor{};
    return window_ != nullptr && GetForegroundWindow() == window_ && GetCursorPos(&cursor) &&
           WindowFromPoint(cursor) == window_;
}

bool ClickRecorder::WaitUntilReady(DWORD timeoutMs) {
    return WaitUntil(
        [this] {
            if (IsReady()) return true;
            // Asked again each round: activation and the cursor may be taken by another window.
            if (window_ != nullptr) {
                SetForegroundWindow(window_);
                SetCursorPos(centre_.x, centre_.y);
            }
            return false;
        },
        timeoutMs);
}

bool ClickRecorder::WaitForEvents(std::size_t count, DWORD timeoutMs) {
    return WaitUntil([this, count] { return events_.size() >= count; }, timeoutMs);
}

LRESULT CALLBACK ClickRecorder::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* recorder = reinterpret_cast<ClickRecorder*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (recorder != nullptr && IsButtonMessage(message)) {
        // The counter is read first: nothing done for the record may delay the stamp.
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        // The client point of lParam is signed: the window may reach left of the primary monitor.
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(window, &point);
        // The message time is the tick count when the input was queued; the difference wraps
        // with it.
        const auto waitMs =
            static_cast<LONG>(GetTickCount() - static_cast<DWORD>(GetMessageTime()));
        recorder->events_.push_back(
            {message, point, static_cast<ULONG_PTR>(GetMessageExtraInfo()), now.QuadPart, waitMs});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace quorvel::test
