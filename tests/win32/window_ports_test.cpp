#include <gtest/gtest.h>

#include <algorithm>

#include "platform/click_timer.h"
#include "platform/cursor.h"
#include "platform/screen_metrics.h"

namespace quorvel::test {
namespace {

using namespace quorvel::win;

constexpr UINT_PTR kTimerId = 1;

// Takes the next WM_TIMER of the window for the timer id, waiting at most timeoutMs.
bool ReceiveTimer(HWND window, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, window, WM_TIMER, WM_TIMER, PM_REMOVE)) {
            if (message.wParam == kTimerId) return true;
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        const DWORD slice = static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 20));
        MsgWaitForMultipleObjectsEx(0, nullptr, slice, QS_TIMER, MWMO_INPUTAVAILABLE);
    }
}

class WindowTimerTest : public testing::Test {
protected:
    void TearDown() override { DestroyWindow(window); }

    HWND window = CreateWindowExA(0, "STATIC", "timer target", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
};

TEST_F(WindowTimerTest, FiresForItsIdUntilKilled) {
    ASSERT_NE(window, nullptr);
    WindowTimer timer(window, kTimerId);
    ASSERT_TRUE(timer.Arm(200));
    EXPECT_TRUE(ReceiveTimer(window, 10000));
    EXPECT_TRUE(ReceiveTimer(window, 10000)) << "a window timer repeats until killed";

    // Killed right after an expiry, long before the next is due: nothing more may come.
    timer.Kill();
    EXPECT_FALSE(ReceiveTimer(window, 1000));
}

TEST_F(WindowTimerTest, RefusesToArmWithoutAUsableWindow) {
    EXPECT_FALSE(WindowTimer(nullptr, kTimerId).Arm(10));
    DestroyWindow(window);
    EXPECT_FALSE(WindowTimer(window, kTimerId).Arm(10));
}

TEST(SystemCursorTest, MovesAndReadsBackScreenPoints) {
    SystemCursor cursor;
    for (const Point target : {Point{12, 34}, Point{640, 500}}) {
        cursor.MoveTo(target);
        Point read{-1, -1};
        ASSERT_TRUE(cursor.GetPosition(read));
        EXPECT_EQ(read, target);
    }
}

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT area, LPARAM all) {
    RECT& covered = *reinterpret_cast<RECT*>(all);
    UnionRect(&covered, &covered, area);
    return TRUE;
}

// Against the monitors themselves. On the one test screen at (0, 0) the primary screen is the
// virtual one and both origins are 0, so a swapped origin or the primary screen's metrics would
// pass; what shows is a metric of another area (the work area, say) or a field out of place.
TEST(SystemScreenMetricsTest, MeasuresTheMonitorsAreaFieldByField) {
    RECT monitors{};
    ASSERT_TRUE(
        EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors)));
    const VirtualScreen screen = SystemScreenMetrics().Measure();
    EXPECT_EQ(screen.left, monitors.left);
    EXPECT_EQ(screen.top, monitors.top);
    EXPECT_EQ(screen.width, monitors.right - monitors.left);
    EXPECT_EQ(screen.height, monitors.bottom - monitors.top);
}

}  // namespace
}  // namespace quorvel::test
