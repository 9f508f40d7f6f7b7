// The real Areapick.exe, driven with real mouse and keyboard input.

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>

#include "store/registry_store.h"
#include "store/settings_keys.h"
#include "areapick/picker_window.h"
#include "platform/handles.h"
#include "tests/support/saved_key.h"
#include "tests/support/this_program.h"

namespace quorvel::test {
namespace {

using namespace quorvel::areapick;

constexpr char kCompanyPath[] = "Software\\Vantrel";

// The real picker writes the user's settings key: the suite gives it back when it ends.
const ::testing::Environment* const kUsersSettings =
    ::testing::AddGlobalTestEnvironment(new SavedKey(kUsersSettingsKey));

// The first start of a program in a fresh wine session can take a while.
constexpr DWORD kTimeoutMs = 20000;

template <typename Condition>
bool WaitUntil(Condition condition) {
    const ULONGLONG deadline = GetTickCount64() + kTimeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline) return false;
        Sleep(10);  // between polls only
    }
    return true;
}

// Absolute input coordinates run from 0 to 65535 over the virtual desktop; rounding up lands
// on the pixel itself rather than on its left or upper neighbour.
LONG Normalised(LONG offset, LONG extent) {
    return static_cast<LONG>((static_cast<LONGLONG>(offset) * 65536 + extent - 1) / extent);
}

void SendMouse(DWORD flags, POINT screen = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_MOVE) {
        input.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
        input.mi.dx = Normalised(screen.x - GetSystemMetrics(SM_XVIRTUALSCREEN),
                                 GetSystemMetrics(SM_CXVIRTUALSCREEN));
        input.mi.dy = Normalised(screen.y - GetSystemMetrics(SM_YVIRTUALSCREEN),
                                 GetSystemMetrics(SM_CYVIRTUALSCREEN));
    }
    ASSERT_EQ(SendInput(1, &input, sizeof input), 1u);
}

// Moved again until it stays: wine may put the cursor back where the display's pointer was
// when a window appeared under it, after the move has already arrived.
void MoveCursorTo(POINT screen) {
    POINT cursor{};
    ASSERT_TRUE(WaitUntil([&] {
        if (GetCursorPos(&cursor) && cursor.x == screen.x && cursor.y == screen.y) return true;
        SendMouse(MOUSEEVENTF_MOVE, screen);
        return false;
    })) << "cursor at "
        << cursor.x << "," << cursor.y << ", wanted " << screen.x << "," << screen.y;
}

void PressKey(WORD virtualKey) {
    std::array<INPUT, 2> inputs{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(SendInput(2, inputs.data(), sizeof(INPUT)), 2u);
}

class AreaPickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kCompanyPath);  // absent already is fine
        settings.SetRoot("Vantrel", "Quorvel");
    }

    void TearDown() override {
        // Closed as a user would close it; killing it is the last resort.
        if (picker && WaitForSingleObject(picker.get(), 0) == WAIT_TIMEOUT) {
            PostMessageA(window, WM_CLOSE, 0, 0);
            if (WaitForSingleObject(picker.get(), kTimeoutMs) != WAIT_OBJECT_0) {
                TerminateProcess(picker.get(), 1);
            }
        }
        RegDeleteTreeA(HKEY_CURRENT_USER, kCompanyPath);
    }

    // Started as Quorvel starts it: no arguments, shown; ready once it has the foreground.
    void StartPicker() {
        const std::string path = BesideThisProgram(AREAPICK_RELATIVE_PATH);
        std::string commandLine = "\"" + path + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOW;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                   nullptr, nullptr, &startup, &process))
            << "cannot start " << path;
        picker.Reset(process.hProcess);
        CloseHandle(process.hThread);  // only the process is waited for
        ASSERT_TRUE(WaitUntil([&] {
            window = FindWindowA(kPickerClassName, nullptr);
            return window != nullptr && IsWindowVisible(window) && GetForegroundWindow() == window;
        })) << "no picker window in the foreground";
    }

    void Drag(POINT from, POINT to) {
        ASSERT_NO_FATAL_FAILURE(MoveCursorTo(from));
        // The press carries its place: wine may still move the cursor back to where the
        // display's pointer was when the picker's window appeared under it.
        ASSERT_NO_FATAL_FAILURE(SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN, from));
        constexpr int kSteps = 4;
        for (int step = 1; step <= kSteps; ++step) {
            ASSERT_NO_FATAL_FAILURE(MoveCursorTo({from.x + (to.x - from.x) * step / kSteps,
                                                  from.y + (to.y - from.y) * step / kSteps}));
        }
        ASSERT_NO_FATAL_FAILURE(SendMouse(MOUSEEVENTF_LEFTUP));
    }

    void ExpectExitedCleanly() {
        ASSERT_EQ(WaitForSingleObject(picker.get(), kTimeoutMs), WAIT_OBJECT_0)
            << "the picker is still running";
        DWORD exitCode = STILL_ACTIVE;
        GetExitCodeProcess(picker.get(), &exitCode);
        EXPECT_EQ(exitCode, 0u);
    }

    // INT_MIN where a value is missing, so that a written zero can be told from no write.
    std::array<int, 4> StoredPick() {
        std::array<int, 4> values{};
        const std::array<store::SettingKey, 4> pickKeys{
            store::keys::kPickStartX, store::keys::kPickStartY, store::keys::kPickEndX,
            store::keys::kPickEndY};
        for (size_t i = 0; i < pickKeys.size(); ++i) {
            values[i] = settings.GetProfileInt(pickKeys[i].section, pickKeys[i].name, INT_MIN);
        }
        return values;
    }

    store::RegistryStore settings;
    win::UniqueHandle picker;
    HWND window = nullptr;
};

TEST_F(AreaPickerTest, CoversTheWholeVirtualDesktopOnTop) {
    ASSERT_NO_FATAL_FAILURE(StartPicker());
    RECT covered{};
    ASSERT_TRUE(GetWindowRect(window, &covered));
    EXPECT_EQ(covered.left, GetSystemMetrics(SM_XVIRTUALSCREEN));
    EXPECT_EQ(covered.top, GetSystemMetrics(SM_YVIRTUALSCREEN));
    EXPECT_EQ(covered.right - covered.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(covered.bottom - covered.top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(AreaPickerTest, ADragStoresThePressAndReleasePointsThenExits) {
    ASSERT_NO_FATAL_FAILURE(StartPicker());
    ASSERT_NO_FATAL_FAILURE(Drag({100, 120}, {341, 263}));
    ASSERT_NO_FATAL_FAILURE(ExpectExitedCleanly());
    EXPECT_EQ(StoredPick(), (std::array<int, 4>{100, 120, 341, 263}));
}

// Whatever the drag's direction, the top-left corner comes first, so the size is never negative.
TEST_F(AreaPickerTest, ADragLeftAndUpStoresTheTopLeftThenTheBottomRightCorner) {
    ASSERT_NO_FATAL_FAILURE(StartPicker());
    ASSERT_NO_FATAL_FAILURE(Drag({420, 310}, {157, 89}));
    ASSERT_NO_FATAL_FAILURE(ExpectExitedCleanly());
    EXPECT_EQ(StoredPick(), (std::array<int, 4>{157, 89, 420, 310}));
}

// A cancel must overwrite an earlier pick, or Quorvel would apply that one again.
TEST_F(AreaPickerTest, EscapeStoresFourZerosAndExits) {
    for (const store::SettingKey& key : {store::keys::kPickStartX, store::keys::kPickStartY,
                                         store::keys::kPickEndX, store::keys::kPickEndY}) {
        ASSERT_TRUE(store::WriteKey(settings, key, 55));
    }
    ASSERT_NO_FATAL_FAILURE(StartPicker());
    ASSERT_NO_FATAL_FAILURE(PressKey(VK_ESCAPE));
    ASSERT_NO_FATAL_FAILURE(ExpectExitedCleanly());
    EXPECT_EQ(StoredPick(), (std::array<int, 4>{0, 0, 0, 0}));
}

TEST_F(AreaPickerTest, EscapeInTheMiddleOfADragCancelsIt) {
    ASSERT_NO_FATAL_FAILURE(StartPicker());
    ASSERT_NO_FATAL_FAILURE(MoveCursorTo({200, 200}));
    ASSERT_NO_FATAL_FAILURE(SendMouse(MOUSEEVENTF_LEFTDOWN));
    ASSERT_NO_FATAL_FAILURE(MoveCursorTo({260, 240}));
    ASSERT_NO_FATAL_FAILURE(PressKey(VK_ESCAPE));
    ASSERT_NO_FATAL_FAILURE(ExpectExitedCleanly());
    ASSERT_NO_FATAL_FAILURE(SendMouse(MOUSEEVENTF_LEFTUP));  // leaves the button up for others
    EXPECT_EQ(StoredPick(), (std::array<int, 4>{0, 0, 0, 0}));
}

}  // namespace
}  // namespace quorvel::test
