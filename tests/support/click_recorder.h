#pragma once
// A topmost window over a screen rectangle that records every mouse button message it gets,
// with the screen point, the extra information of the input event behind it and the time it
// arrived.

#include <windows.h>

#include <cstddef>
#include <vector>

namespace quorvel::test {

struct RecordedButton {
    UINT message;  // WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTON..., WM_MBUTTON...
    POINT screenPoint;
    ULONG_PTR extraInfo;
    LONGLONG arrival;  // performance counter when the window got it, for timing a cadence
    // Milliseconds from when the input went into the queue to when the window got it, so that a
    // late arrival can be told from a late click.
    LONG queueWaitMs;
};

class ClickRecorder {
public:
    // Shows the window, brings it to the foreground and puts the cursor over its centre,
    // waiting a few seconds at most for both.
    explicit ClickRecorder(RECT screenArea);
    ~ClickRecorder();
    ClickRecorder(const ClickRecorder&) = delete;
    ClickRecorder& operator=(const ClickRecorder&) = delete;

    HWND window() const { return window_; }
    const std::vector<RecordedButton>& events() const { return events_; }

    // True once the window is in the foreground and under the cursor; pumps messages while
    // it waits. Input sent before that may go elsewhere.
    bool WaitUntilReady(DWORD timeoutMs);
    // Pumps messages until count events are recorded or the time is up.
    bool WaitForEvents(std::size_t count, DWORD timeoutMs);
    void Clear() { events_.clear(); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool IsReady() const;

    HWND window_ = nullptr;
    POINT centre_{};
    std::vector<RecordedButton> events_;
};

}  // namespace quorvel::test
