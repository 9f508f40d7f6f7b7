#include <windows.h>

#include <memory>
#include <type_traits>

#include "tests/support/launched_program.h"
#include "tests/support/main_window.h"
#include "tests/support/message_box.h"
#include "tests/support/texts_and_ids.h"
#include "tests/support/wait.h"
#include "quorvel_test.h"

namespace quorvel::test {
namespace {

constexpr DWORD kExitTimeoutMs = 20000;

using StartUp = QuorvelTest;

TEST_F(StartUp, SilentStartKeepsTheWindowHidden) {
    ASSERT_NO_FATAL_FAILURE(Launch(":silent"));

    // A round trip: start-up has finished, and would have shown the window, once it answers.
    window().Text(id::kStatusLine);
    EXPECT_FALSE(IsWindowVisible(window().handle()));
    EXPECT_TRUE(IsWindow(window().handle()));
}

TEST_F(StartUp, SecondStartShowsTheRunningWindowAndEnds) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    // Hidden first, or the window would have been on screen whatever the second start did.
    window().Click(id::kHideToTrayButton);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window().handle()) == FALSE; }, kPromptMs));

    QuorvelProcess second(QuorvelExePath(), "");
    ASSERT_TRUE(second.started());

    EXPECT_TRUE(second.WaitForExit(kExitTimeoutMs)) << "the second start did not end";
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window().handle()) != FALSE; }, kPromptMs));
    EXPECT_EQ(FindMainWindow(second.id()), nullptr);
    EXPECT_EQ(CountWindowsTitledQuorvel(), 1);
}

TEST_F(StartUp, SecondStartShowsAWindowHiddenBySilentStart) {
    ASSERT_NO_FATAL_FAILURE(Launch(":silent"));
    window().Text(id::kStatusLine);
    ASSERT_FALSE(IsWindowVisible(window().handle()));

    QuorvelProcess second(QuorvelExePath(), ":silent");

    EXPECT_TRUE(second.WaitForExit(kExitTimeoutMs)) << "the second start did not end";
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window().handle()) != FALSE; }, kPromptMs));
    EXPECT_EQ(CountWindowsTitledQuorvel(), 1);
}

TEST_F(StartUp, AWindowOfAnotherClassTitledQuorvelIsNoRunningInstance) {
    // As Explorer titles the window of the program's own folder.
    const std::unique_ptr<std::remove_pointer_t<HWND>, decltype(&DestroyWindow)> lookAlike(
        CreateWindowExA(0, "STATIC", kMainWindowTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                        200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr),
        &DestroyWindow);
    ASSERT_NE(lookAlike, nullptr);

    ASSERT_NO_FATAL_FAILURE(Launch());
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window().handle()) != FALSE; }, kPromptMs));
}

TEST_F(StartUp, HelpRequestShowsTheShortcutKeyHelp) {
    ASSERT_NO_FATAL_FAILURE(Launch());

    window().RequestHelp();

    EXPECT_EQ(DismissNextMessageBox(),
              "Please Press a Shortcut Key (e.g. F3, Ctrl+T, etc) in the Shortcut Key Box "
              "provided and click on Assign.\n\nOnce configured you will be able to use the "
              "shortcut key to start and stop the mouse clicks.\n\nClick on the Close button to "
              "hide the application in System Tray.\n\nTo Exit from the application, right "
              "click on System Tray Icon and select Exit.");
}

TEST_F(StartUp, HelpRequestWhileTheHelpIsOpenOpensNoSecondBox) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    window().RequestHelp();
    const HWND box = WaitForMessageBox(process().id(), window().handle(), kPromptMs);
    ASSERT_NE(box, nullptr);

    window().RequestHelp();
    // Posted after the second request, so handled after it: once the window hides, a second box
    // would be there, hidden or not.
    PostMessageA(window().handle(), WM_COMMAND, MAKEWPARAM(id::kHideToTrayButton, BN_CLICKED), 0);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window().handle()) == FALSE; }, kPromptMs));
    EXPECT_EQ(CountWindowsTitledQuorvel(), 2) << "the main window and one help box";
    EXPECT_TRUE(DismissMessageBox(box, kPromptMs));
}

}  // namespace
}  // namespace quorvel::test
