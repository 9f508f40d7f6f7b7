#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <string>

#include "tests/support/click_recorder.h"
#include "tests/support/foreground.h"
#include "tests/support/keyboard.h"
#include "tests/support/messaging.h"
#include "tests/support/popup_menu.h"
#include "tests/support/registry_probe.h"
#include "tests/support/texts_and_ids.h"
#include "tests/support/wait.h"
#include "quorvel_test.h"

namespace quorvel::test {
namespace {

constexpr DWORD kExitTimeoutMs = 10000;
constexpr RECT kRecorderArea = {200, 150, 600, 450};

class TrayAndWindowStates : public QuorvelTest {
protected:
    // What the shell sends the main window for a mouse event at the tray icon; sent, not
    // posted, so that the program has handled it when this returns. Not for the right-button
    // release, whose menu waits for a person.
    void SendTrayEvent(UINT mouseMessage) const {
        Send(window().handle(), id::kTrayNotify, 0, mouseMessage);
    }
    void PostTrayEvent(UINT mouseMessage) const {
        PostMessageA(window().handle(), id::kTrayNotify, 0, mouseMessage);
    }

    HWND WaitForTrayMenu() const {
        HWND menu = nullptr;
        WaitUntil([&] { return (menu = FindOpenPopupMenu(process().id())) != nullptr; }, kPromptMs);
        return menu;
    }

    // Under wine, synthesised clicks get lost for the rest of the session once the cursor was
    // put on a window of a program that has ended since; so the cursor goes beside the window.
    bool PutCursorBesideTheWindow(POINT at) const {
        RECT placed{};
        GetWindowRect(window().handle(), &placed);
        return !PtInRect(&placed, at) && SetCursorPos(at.x, at.y);
    }

    bool Visible() const { return IsWindowVisible(window().handle()) != FALSE; }

    bool BecomesVisible(bool visible) const {
        return WaitUntil([&] { return Visible() == visible; }, kPromptMs);
    }

    void Hide() const {
        window().Click(id::kHideToTrayButton);
        ASSERT_TRUE(BecomesVisible(false)) << "the window did not leave the screen";
        ASSERT_TRUE(IsWindow(window().handle()));
    }
};

TEST_F(TrayAndWindowStates, TrayMenuOpensAtTheCursorOnReleaseAndItsExitEndsTheProgram) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_TRUE(PutCursorBesideTheWindow({900, 600}));

    // Pressing the right button is not yet a request for the menu.
    SendTrayEvent(WM_RBUTTONDOWN);
    EXPECT_EQ(FindOpenPopupMenu(process().id()), nullptr);

    PostTrayEvent(WM_RBUTTONUP);
    const HWND menu = WaitForTrayMenu();
    ASSERT_NE(menu, nullptr) << "no tray menu opened";
    RECT placed{};
    GetWindowRect(menu, &placed);
    EXPECT_EQ(placed.left, 900);
    EXPECT_EQ(placed.top, 600);

    // From the first item, "Configure Quorvel...", up wraps round to the last, "Exit".
    PostMessageA(menu, WM_KEYDOWN, VK_UP, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(process().WaitForExit(kExitTimeoutMs)) << "choosing Exit did not end the program";
}

TEST_F(TrayAndWindowStates, HiddenWindowComesBackOnlyOnDoubleClickAtTheIcon) {
    ASSERT_NO_FATAL_FAILURE(Launch());

    // The hide button, and the dialog's OK command that the Enter key gives, both hide it.
    for (const bool byOkCommand : {false, true}) {
        SCOPED_TRACE(byOkCommand ? "OK command" : "hide button");
        if (byOkCommand) {
            Send(window().handle(), WM_COMMAND, IDOK, 0);
            ASSERT_TRUE(BecomesVisible(false));
            ASSERT_TRUE(IsWindow(window().handle()));
        } else {
            ASSERT_NO_FATAL_FAILURE(Hide());
        }

        for (UINT singleClick : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MBUTTONUP, WM_MOUSEMOVE}) {
            SendTrayEvent(singleClick);
            EXPECT_FALSE(Visible()) << "mouse message " << singleClick << " showed the window";
        }

        SendTrayEvent(WM_LBUTTONDBLCLK);
        EXPECT_TRUE(BecomesVisible(true)) << "the double click did not show the window";
        EXPECT_FALSE(IsIconic(window().handle())) << "the window came back minimised";
    }
}

TEST_F(TrayAndWindowStates, ConfigureInTheTrayMenuShowsTheHiddenWindow) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(Hide());

    PostTrayEvent(WM_RBUTTONUP);
    const HWND menu = WaitForTrayMenu();
    ASSERT_NE(menu, nullptr) << "no tray menu opened for the hidden window";
    // The default item comes first.
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);

    EXPECT_TRUE(BecomesVisible(true)) << "\"Configure Quorvel...\" did not show the window";
}

TEST_F(TrayAndWindowStates, EveryWayOutEndsTheProgram) {
    struct WayOut {
        const char* name;
        UINT message;
        WPARAM wParam;
    };
    for (const WayOut& way :
         {WayOut{"close message", WM_CLOSE, 0}, WayOut{"close command", WM_SYSCOMMAND, SC_CLOSE},
          WayOut{"cancel command", WM_COMMAND, IDCANCEL},
          WayOut{"tray Exit", WM_COMMAND, id::kTrayExit},
          WayOut{"context Exit", WM_COMMAND, id::kContextExit},
          WayOut{"log-off or shut-down", WM_QUERYENDSESSION, 0}}) {
        SCOPED_TRACE(way.name);
        ASSERT_NO_FATAL_FAILURE(Launch());
        PostMessageA(window().handle(), way.message, way.wParam, 0);
        EXPECT_TRUE(process().WaitForExit(kExitTimeoutMs));
        // The next start must not find this one still running.
        process().End();
    }
}

TEST_F(TrayAndWindowStates, EscapeKeyInTheWindowEndsTheProgram) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_TRUE(BringToForeground(window().handle(), kPromptMs));

    PressCombination(0, VK_ESCAPE);

    EXPECT_TRUE(process().WaitForExit(kExitTimeoutMs));
}

TEST_F(TrayAndWindowStates, CursorReadoutFollowsTheCursor) {
    ASSERT_NO_FATAL_FAILURE(Launch());

    for (const POINT& at : {POINT{1234, 56}, POINT{0, 1000}, POINT{900, 700}}) {
        ASSERT_TRUE(PutCursorBesideTheWindow(at)) << at.x << ", " << at.y;
        const std::string expected =
            "Mouse Cursor at X = " + std::to_string(at.x) + " , Y = " + std::to_string(at.y);
        EXPECT_TRUE(
            WaitUntil([&] { return window().Text(id::kCursorReadout) == expected; }, kPromptMs))
            << window().Text(id::kCursorReadout);
    }
}

// The program's entry as another process names it to the shell: its window and id 90.
NOTIFYICONDATAA ProgramsTrayEntry(HWND window) {
    NOTIFYICONDATAA entry{};
    entry.cbSize = NOTIFYICONDATAA_V2_SIZE;
    entry.hWnd = window;
    entry.uID = id::kTrayIconId;
    return entry;
}

// The shell only modifies an entry it holds, so this tells whether the program's entry is there.
bool TrayEntryExists(HWND window) {
    NOTIFYICONDATAA entry = ProgramsTrayEntry(window);
    entry.uFlags = NIF_TIP;
    lstrcpynA(entry.szTip, "Quorvel", sizeof entry.szTip);
    return Shell_NotifyIconA(NIM_MODIFY, &entry) != FALSE;
}

TEST_F(TrayAndWindowStates, ShellRestartKeepsTheProgramAndItsTrayMenu) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_TRUE(TrayEntryExists(window().handle()));
    // A restarted shell has lost the entries of the one before it.
    NOTIFYICONDATAA lost = ProgramsTrayEntry(window().handle());
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &lost));
    ASSERT_FALSE(TrayEntryExists(window().handle()));

    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    Send(window().handle(), taskbarCreated, 0, 0);

    EXPECT_TRUE(TrayEntryExists(window().handle())) << "the entry was not added again";
    PostTrayEvent(WM_RBUTTONUP);
    const HWND menu = WaitForTrayMenu();
    ASSERT_NE(menu, nullptr) << "the tray menu is gone after the shell restart";
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntil([&] { return FindOpenPopupMenu(process().id()) == nullptr; }, kPromptMs));
    ASSERT_NO_FATAL_FAILURE(Hide());
    SendTrayEvent(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(Visible());
}

TEST_F(TrayAndWindowStates, ClickingGoesOnWhileTheWindowIsHidden) {
    ASSERT_NO_FATAL_FAILURE(LaunchForCalmClicking());
    ClickRecorder recorder(kRecorderArea);
    ASSERT_TRUE(recorder.WaitUntilReady(kPromptMs)) << "the click recorder is not on top";

    window().PressShortcutKey();
    ASSERT_TRUE(recorder.WaitForEvents(2, kPromptMs)) << "the run did not start";
    ASSERT_NO_FATAL_FAILURE(Hide());
    const size_t clicksWhenHidden = recorder.events().size();

    EXPECT_TRUE(recorder.WaitForEvents(clicksWhenHidden + 4, kPromptMs))
        << "the run stopped when the window was hidden";
    window().PressShortcutKey();
}

}  // namespace
}  // namespace quorvel::test
