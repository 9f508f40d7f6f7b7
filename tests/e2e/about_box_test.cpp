#include <string>

#include "tests/support/messaging.h"
#include "tests/support/popup_menu.h"
#include "tests/support/texts_and_ids.h"
#include "tests/support/top_level_windows.h"
#include "tests/support/wait.h"
#include "quorvel_test.h"

namespace quorvel::test {
namespace {

class AboutBox : public QuorvelTest {
protected:
    HWND WaitForAboutBox(DWORD timeoutMs = kPromptMs) const {
        return WaitForDialog(process().id(), "About Quorvel", timeoutMs);
    }

    static bool ShowsText(HWND box, const std::string& text) {
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (TextOf(child) == text) return true;
        }
        return false;
    }

    // Opens the box with the given system command, checks it and closes it with OK.
    void OpenAndCloseWithOk(UINT systemCommand) const {
        PostMessageA(window().handle(), WM_SYSCOMMAND, systemCommand, 0);
        const HWND box = WaitForAboutBox();
        ASSERT_NE(box, nullptr) << "no about box for system command " << systemCommand;
        EXPECT_TRUE(ShowsText(box, "Quorvel, Version 2.3"));
        EXPECT_EQ(GetWindow(box, GW_OWNER), window().handle());
        EXPECT_FALSE(IsWindowEnabled(window().handle())) << "the about box is not modal";

        PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, kPromptMs));
        EXPECT_TRUE(
            WaitUntil([&] { return IsWindowEnabled(window().handle()) != FALSE; }, kPromptMs));
        EXPECT_FALSE(process().WaitForExit(0)) << "closing the about box ended the program";
    }
};

TEST_F(AboutBox, SystemCommandsSixteenToThirtyOneOpenTheModalAboutBox) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(OpenAndCloseWithOk(id::kAboutCommand));
    ASSERT_NO_FATAL_FAILURE(OpenAndCloseWithOk(id::kAboutCommand + 15));
}

TEST_F(AboutBox, IsTheLastEntryOfTheSystemMenu) {
    ASSERT_NO_FATAL_FAILURE(Launch());

    // Alt+Space opens the system menu; from its first item, up wraps round to the last.
    PostMessageA(window().handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
    HWND menu = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (menu = FindOpenPopupMenu(process().id())) != nullptr; }, kPromptMs))
        << "the system menu did not open";
    PostMessageA(menu, WM_KEYDOWN, VK_UP, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);

    const HWND box = WaitForAboutBox();
    ASSERT_NE(box, nullptr) << "the last system menu entry did not open the about box";
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, kPromptMs));
}

TEST_F(AboutBox, OtherSystemCommandsWorkAsUsual) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    PostMessageA(window().handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(window().handle()) != FALSE; }, kPromptMs));
    // Had the command been taken for the about box, the box would be up by now.
    EXPECT_EQ(WaitForAboutBox(0), nullptr);
}

}  // namespace
}  // namespace quorvel::test
