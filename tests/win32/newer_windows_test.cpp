// The calls that newer Windows offers, as the programs make them on whatever system runs them.

#include "platform/newer_windows.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel::test {
namespace {

using namespace quorvel::win;

// Wine filters nothing between integrity levels, and no system filters what a process posts to
// its own windows, so only the call's own answer can show here.
TEST(NewerWindows, AdmittingAMessageFromLowerIntegritySucceeds) {
    const HWND window = CreateWindowExA(0, "STATIC", "admits", WS_POPUP, 0, 0, 10, 10, nullptr,
                                        nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(AdmitFromLowerIntegrity(window, WM_USER + 2));
    DestroyWindow(window);
}

// A winmm.dll lies beside this test program (planted_winmm.cpp).
TEST(NewerWindows, TimerResolutionComesFromTheSystemFoldersWinmm) {
    EXPECT_TRUE(BeginTimerResolution(1));
    EndTimerResolution(1);

    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    wchar_t loaded[MAX_PATH];
    ASSERT_NE(GetModuleFileNameW(GetModuleHandleW(L"winmm.dll"), loaded, MAX_PATH), 0u);
    EXPECT_EQ(std::wstring(loaded), std::wstring(folder, length) + L"\\winmm.dll");
}

}  // namespace
}  // namespace quorvel::test
