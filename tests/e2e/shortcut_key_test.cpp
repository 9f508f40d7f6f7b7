#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>

#include "tests/support/click_recorder.h"
#include "tests/support/keyboard.h"
#include "tests/support/message_box.h"
#include "tests/support/messaging.h"
#include "tests/support/options_dialog.h"
#include "tests/support/registry_probe.h"
#include "tests/support/texts_and_ids.h"
#include "tests/support/wait.h"
#include "quorvel_test.h"

namespace quorvel::test {
namespace {

constexpr const char* kKeyValue = "m_ctrlHotKeyStartStopClicks Key";
constexpr const char* kModValue = "m_ctrlHotKeyStartStopClicks Mod";
constexpr const char* kAskForKeyText =
    "Assign a Shortcut Key to Start and Stop the Mouse Clicking.";
constexpr const char* kRegisterFailedStart =
    "Failed to Set HotKey to Start / Stop Mouse Clicks, try another Key combination, Last Error ";
constexpr const char* kRegisterFailedEnd =
    ".\nPlease do contact application support team with the error.";
constexpr const char* kScheduledSuffix = " - Mouse Clicks Scheduled.";
constexpr const char* kClicksDoneMark = " Clicks Done, Last Click at ";

constexpr RECT kRecorderArea = {200, 150, 600, 450};

// The driver's own registrations of a combination, to find out whether the program holds it.
constexpr int kProbeHotKeyId = 0x4242;

std::string PressKeyText(UINT modifiers, WORD virtualKey) {
    return "Press " + CombinationText(modifiers, virtualKey) + " to Start / Stop Mouse Clicking.";
}

// The hot-key control's value as the control itself holds it after a person's keystrokes.
void HoldInShortcutControl(const MainWindow& w, BYTE controlFlags, BYTE virtualKey) {
    Send(GetDlgItem(w.handle(), id::kShortcutKey), HKM_SETHOTKEY,
         MAKEWORD(virtualKey, controlFlags), 0);
}

WORD ShortcutControlValue(const MainWindow& w) {
    return static_cast<WORD>(Send(GetDlgItem(w.handle(), id::kShortcutKey), HKM_GETHOTKEY, 0, 0));
}

// Whether some other program holds the combination system-wide: the driver cannot have it then.
bool CombinationIsTaken(UINT modifiers, WORD virtualKey) {
    if (!RegisterHotKey(nullptr, kProbeHotKeyId, modifiers, virtualKey)) return true;
    UnregisterHotKey(nullptr, kProbeHotKeyId);
    return false;
}

// A combination that the driver holds for the length of a case.
class HeldCombination {
public:
    HeldCombination(UINT modifiers, WORD virtualKey)
        : held_(RegisterHotKey(nullptr, kProbeHotKeyId, modifiers, virtualKey) != FALSE) {}
    ~HeldCombination() {
        if (held_) UnregisterHotKey(nullptr, kProbeHotKeyId);
    }
    HeldCombination(const HeldCombination&) = delete;
    HeldCombination& operator=(const HeldCombination&) = delete;
    bool held() const { return held_; }

private:
    bool held_;
};

// "...Last Error <n>..." gives n, or nothing when the text is not that message.
std::optional<unsigned long> RegisterFailureError(const std::string& text) {
    const std::string start = kRegisterFailedStart;
    const std::string end = kRegisterFailedEnd;
    if (text.size() <= start.size() + end.size() || text.compare(0, start.size(), start) != 0 ||
        text.compare(text.size() - end.size(), end.size(), end) != 0) {
        return std::nullopt;
    }
    const std::string number = text.substr(start.size(), text.size() - start.size() - end.size());
    if (number.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    return std::stoul(number);
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class ShortcutKey : public QuorvelTest {
protected:
    bool StatusBecomes(const std::string& text) const {
        return WaitUntil([&] { return window().Text(id::kStatusLine) == text; }, kPromptMs);
    }
};

TEST_F(ShortcutKey, AssignedCombinationIsStoredNamedAndStartsAndStopsClicking) {
    // Short pauses inside a click and a calm interval keep the run light.
    ASSERT_NO_FATAL_FAILURE(LaunchForCalmClicking());

    HoldInShortcutControl(window(), HOTKEYF_CONTROL | HOTKEYF_SHIFT, VK_F7);
    window().Click(id::kAssignButton);

    EXPECT_EQ(RegistryProbe::Read("Settings", kKeyValue), std::optional<DWORD>(VK_F7));
    EXPECT_EQ(RegistryProbe::Read("Settings", kModValue),
              std::optional<DWORD>(MOD_CONTROL | MOD_SHIFT));
    const std::string pressText = PressKeyText(MOD_CONTROL | MOD_SHIFT, VK_F7);
    EXPECT_EQ(window().Text(id::kStatusLine), pressText);
    EXPECT_TRUE(CombinationIsTaken(MOD_CONTROL | MOD_SHIFT, VK_F7))
        << "the combination was not registered system-wide";

    // The clicks land at the cursor, which the recorder holds.
    ClickRecorder recorder(kRecorderArea);
    ASSERT_TRUE(recorder.WaitUntilReady(kPromptMs)) << "the click recorder is not on top";
    PressCombination(MOD_CONTROL | MOD_SHIFT, VK_F7);
    std::string status;
    EXPECT_TRUE(WaitUntil(
        [&] {
            status = window().Text(id::kStatusLine);
            return EndsWith(status, kScheduledSuffix) ||
                   status.find(kClicksDoneMark) != std::string::npos;
        },
        kPromptMs))
        << status;
    EXPECT_TRUE(recorder.WaitForEvents(4, kPromptMs))
        << "only " << recorder.events().size() << " button messages arrived";

    PressCombination(MOD_CONTROL | MOD_SHIFT, VK_F7);
    EXPECT_TRUE(StatusBecomes(pressText)) << window().Text(id::kStatusLine);
}

TEST_F(ShortcutKey, ClearForgetsAndReleasesTheCombination) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    HoldInShortcutControl(window(), HOTKEYF_ALT, VK_F6);
    window().Click(id::kAssignButton);
    ASSERT_TRUE(CombinationIsTaken(MOD_ALT, VK_F6));

    window().Click(id::kClearButton);

    EXPECT_EQ(RegistryProbe::Read("Settings", kKeyValue), std::optional<DWORD>(0));
    EXPECT_EQ(RegistryProbe::Read("Settings", kModValue), std::optional<DWORD>(0));
    EXPECT_EQ(window().Text(id::kStatusLine), kAskForKeyText);
    EXPECT_EQ(ShortcutControlValue(window()), 0);
    EXPECT_FALSE(CombinationIsTaken(MOD_ALT, VK_F6)) << "the cleared combination is still held";
}

TEST_F(ShortcutKey, StoredCombinationIsRegisteredSilentlyAtStartAndShownInOrder) {
    // Pressed as Alt, Shift, F8 once; the names come Shift first all the same.
    RegistryProbe::Write("Settings", kKeyValue, VK_F8);
    RegistryProbe::Write("Settings", kModValue, MOD_ALT | MOD_SHIFT);

    ASSERT_NO_FATAL_FAILURE(Launch());

    EXPECT_EQ(WaitForMessageBox(process().id(), window().handle(), 0), nullptr);
    EXPECT_EQ(window().Text(id::kStatusLine), PressKeyText(MOD_SHIFT | MOD_ALT, VK_F8));
    EXPECT_EQ(ShortcutControlValue(window()), MAKEWORD(VK_F8, HOTKEYF_SHIFT | HOTKEYF_ALT));
    EXPECT_TRUE(CombinationIsTaken(MOD_SHIFT | MOD_ALT, VK_F8));
}

TEST_F(ShortcutKey, CombinationHeldByAnotherProgramIsReportedAtAssignAndAtEveryStart) {
    const HeldCombination taken(MOD_CONTROL | MOD_ALT, VK_F9);
    ASSERT_TRUE(taken.held()) << "the driver could not take the combination for itself";

    ASSERT_NO_FATAL_FAILURE(Launch());
    HoldInShortcutControl(window(), HOTKEYF_CONTROL | HOTKEYF_ALT, VK_F9);
    // Posted: the refusal waits in a message box.
    PostMessageA(GetDlgItem(window().handle(), id::kAssignButton), BM_CLICK, 0, 0);

    const std::string atAssign = DismissNextMessageBox();
    const std::optional<unsigned long> assignError = RegisterFailureError(atAssign);
    ASSERT_TRUE(assignError.has_value()) << atAssign;
    EXPECT_NE(*assignError, 0UL);
    // The key stays stored and named although it does nothing.
    const std::string pressText = PressKeyText(MOD_CONTROL | MOD_ALT, VK_F9);
    EXPECT_TRUE(StatusBecomes(pressText)) << window().Text(id::kStatusLine);
    EXPECT_EQ(RegistryProbe::Read("Settings", kKeyValue), std::optional<DWORD>(VK_F9));
    EXPECT_EQ(RegistryProbe::Read("Settings", kModValue),
              std::optional<DWORD>(MOD_CONTROL | MOD_ALT));
    process().End();

    // The next start meets the box while it initialises, before the window is finished.
    QuorvelProcess next(QuorvelExePath(), "");
    ASSERT_TRUE(next.started());
    const HWND nextWindow = next.WaitForMainWindow(kPromptMs * 2);
    ASSERT_NE(nextWindow, nullptr);
    const HWND box = WaitForMessageBox(next.id(), nextWindow, kPromptMs);
    ASSERT_NE(box, nullptr) << "the next start did not report the taken combination";
    const std::string atStart = MessageBoxText(box);
    const std::optional<unsigned long> startError = RegisterFailureError(atStart);
    ASSERT_TRUE(startError.has_value()) << atStart;
    EXPECT_NE(*startError, 0UL);
    EXPECT_TRUE(DismissMessageBox(box, kPromptMs));

    const MainWindow restarted(nextWindow);
    EXPECT_TRUE(WaitUntil([&] { return restarted.Text(id::kStatusLine) == pressText; }, kPromptMs))
        << restarted.Text(id::kStatusLine);
}

TEST_F(ShortcutKey, WithExtraModifiersOnItAlsoActsWithShiftHeldAndSkipsACombinationTaken) {
    const HeldCombination taken(MOD_CONTROL, VK_F7);
    ASSERT_TRUE(taken.held()) << "the driver could not take the combination for itself";
    ASSERT_NO_FATAL_FAILURE(
        LaunchForCalmClicking({{kKeyValue, VK_F7}, {"ShortcutWithExtraModifiers", 1}}));
    EXPECT_EQ(WaitForMessageBox(process().id(), window().handle(), 0), nullptr)
        << "a combination taken by another program was reported";
    ClickRecorder recorder(kRecorderArea);
    ASSERT_TRUE(recorder.WaitUntilReady(kPromptMs)) << "the click recorder is not on top";

    ASSERT_TRUE(PressCombination(MOD_SHIFT, VK_F7));
    EXPECT_TRUE(recorder.WaitForEvents(4, kPromptMs)) << window().Text(id::kStatusLine);
    ASSERT_TRUE(PressCombination(MOD_SHIFT | MOD_ALT, VK_F7));
    // The texts name the combination the user assigned.
    const std::string pressText = PressKeyText(0, VK_F7);
    EXPECT_TRUE(StatusBecomes(pressText)) << window().Text(id::kStatusLine);
    EXPECT_EQ(RegistryProbe::Read("Settings", kModValue), std::nullopt);
    EXPECT_TRUE(CombinationIsTaken(MOD_SHIFT | MOD_CONTROL, VK_F7));

    // Turned off in the dialog, the extras are given back.
    const OptionsDialog options(OptionsDialog::Open(window().handle(), process().id(), kPromptMs));
    ASSERT_NE(options.handle(), nullptr);
    options.SetChecked(id::kExtraModifiersBox, false);
    options.PressOk();
    ASSERT_TRUE(options.WaitUntilClosed(kPromptMs));
    // The window applies the options once the dialog has gone, a moment after it closes.
    EXPECT_TRUE(WaitUntil([] { return !CombinationIsTaken(MOD_SHIFT, VK_F7); }, kPromptMs))
        << "an extra combination is still held";
    EXPECT_TRUE(CombinationIsTaken(0, VK_F7)) << "the shortcut itself was given up";
}

// Runs started and stopped with Ctrl + Shift + F7, as a person presses it.
class ShortcutKeyPresses : public ShortcutKey {
protected:
    static constexpr UINT kModifiers = MOD_CONTROL | MOD_SHIFT;

    // Clicks at the cursor every 100 ms, each press held as long as the store says.
    void LaunchWithHold(int holdMs) {
        ASSERT_NO_FATAL_FAILURE(
            LaunchForCalmClicking({{kKeyValue, VK_F7}, {kModValue, kModifiers}}, holdMs));
        recorder_ = std::make_unique<ClickRecorder>(kRecorderArea);
        ASSERT_TRUE(recorder_->WaitUntilReady(kPromptMs)) << "the click recorder is not on top";
    }

    const std::string idleText_ = PressKeyText(kModifiers, VK_F7);
    std::unique_ptr<ClickRecorder> recorder_;
};

TEST_F(ShortcutKeyPresses, AKeyHeldDownStartsOnceHoweverOftenItRepeats) {
    ASSERT_NO_FATAL_FAILURE(LaunchWithHold(0));

    ASSERT_TRUE(PressCombination(kModifiers, VK_F7, 12));
    EXPECT_TRUE(recorder_->WaitForEvents(4, kPromptMs))
        << "the run is off after a held key: " << window().Text(id::kStatusLine);

    ASSERT_TRUE(PressCombination(kModifiers, VK_F7));
    EXPECT_TRUE(StatusBecomes(idleText_)) << window().Text(id::kStatusLine);
}

TEST_F(ShortcutKeyPresses, APressDuringALongHoldLiftsTheButtonAtOnceAndStopsTheRun) {
    constexpr int kHoldMs = 20000;
    constexpr DWORD kWellWithinTheHoldMs = 5000;
    // Far above a normal answer of a millisecond, far below the hold.
    constexpr DWORD kAnswerMs = 1000;
    ASSERT_NO_FATAL_FAILURE(LaunchWithHold(kHoldMs));

    ASSERT_TRUE(PressCombination(kModifiers, VK_F7));
    ASSERT_TRUE(recorder_->WaitForEvents(1, kPromptMs)) << "the run never pressed the button";
    // Other programs' messages are answered at once during the hold, not when it ends.
    const HWND statusLine = GetDlgItem(window().handle(), id::kStatusLine);
    for (int probe = 0; probe < 3; ++probe) {
        DWORD_PTR ignored = 0;
        EXPECT_NE(SendMessageTimeoutA(window().handle(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                                      kAnswerMs, &ignored),
                  0)
            << "the window did not answer during the hold";
        EXPECT_TRUE(TextWithin(statusLine, kAnswerMs).has_value());
    }
    EXPECT_EQ(recorder_->events().size(), 1u) << "the hold ended early";
    ASSERT_TRUE(PressCombination(kModifiers, VK_F7));

    ASSERT_TRUE(recorder_->WaitForEvents(2, kWellWithinTheHoldMs))
        << "the button stayed down after the press";
    EXPECT_EQ(recorder_->events()[1].message, static_cast<UINT>(WM_LBUTTONUP));
    EXPECT_TRUE(StatusBecomes(idleText_)) << window().Text(id::kStatusLine);
    EXPECT_FALSE(recorder_->WaitForEvents(3, 1000)) << "a click followed the stop";
}

}  // namespace
}  // namespace quorvel::test
