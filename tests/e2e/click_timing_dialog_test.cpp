#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/click_recorder.h"
#include "tests/support/click_timing_dialog.h"
#include "tests/support/foreground.h"
#include "tests/support/message_box.h"
#include "tests/support/registry_probe.h"
#include "tests/support/texts_and_ids.h"
#include "tests/support/wait.h"
#include "quorvel_test.h"

namespace quorvel::test {
namespace {

constexpr std::array<const char*, 4> kBoundNames = {
    "MDMU_MIN_DELAY", "MDMU_MAX_DELAY", "DOUBLE_CLICKS_MIN_DELAY", "DOUBLE_CLICKS_MAX_DELAY"};
constexpr std::array<int, 4> kBoundFields = {id::kPressMinDelay, id::kPressMaxDelay,
                                             id::kDoubleClickMinDelay, id::kDoubleClickMaxDelay};

constexpr RECT kRecorderArea = {200, 150, 600, 450};

using Bounds = std::array<std::optional<DWORD>, 4>;

Bounds StoredBounds() {
    Bounds stored;
    for (size_t i = 0; i < kBoundNames.size(); ++i) {
        stored[i] = RegistryProbe::Read("Settings", kBoundNames[i]);
    }
    return stored;
}

class ClickTimingDialogTest : public QuorvelTest {
protected:
    // Opens the dialog with the small "..." button; posted, since the dialog is modal.
    ClickTimingDialog OpenWithButton() const {
        PostMessageA(GetDlgItem(window().handle(), id::kClickTimingButton), BM_CLICK, 0, 0);
        return WaitForDialog();
    }

    ClickTimingDialog OpenWithContextCommand() const {
        PostMessageA(window().handle(), WM_COMMAND, id::kContextSettings, 0);
        return WaitForDialog();
    }

    ClickTimingDialog WaitForDialog() const {
        const HWND dialog = ClickTimingDialog::WaitForOpen(process().id(), kPromptMs);
        EXPECT_NE(dialog, nullptr) << "the click timing dialog did not open";
        return ClickTimingDialog(dialog);
    }

    static std::array<std::string, 4> Shown(const ClickTimingDialog& dialog) {
        std::array<std::string, 4> texts;
        for (size_t i = 0; i < kBoundFields.size(); ++i) texts[i] = dialog.Text(kBoundFields[i]);
        return texts;
    }

    // Types the four fields and confirms; the dialog must close.
    void Confirm(const std::array<std::string, 4>& texts) const {
        const ClickTimingDialog dialog = OpenWithButton();
        ASSERT_NE(dialog.handle(), nullptr);
        for (size_t i = 0; i < kBoundFields.size(); ++i) dialog.Type(kBoundFields[i], texts[i]);
        dialog.PressOk();
        ASSERT_TRUE(dialog.WaitUntilClosed(kPromptMs)) << "OK did not close the dialog";
    }
};

TEST_F(ClickTimingDialogTest, OpensWithTheDefaultsFromButtonAndContextMenu) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    const std::array<std::string, 4> defaults = {"50", "200", "20", "70"};

    const ClickTimingDialog fromButton = OpenWithButton();
    ASSERT_NE(fromButton.handle(), nullptr);
    EXPECT_EQ(Shown(fromButton), defaults);
    EXPECT_FALSE(IsWindowEnabled(window().handle())) << "the main window stays usable";
    fromButton.PressCancel();
    ASSERT_TRUE(fromButton.WaitUntilClosed(kPromptMs));

    const ClickTimingDialog fromMenu = OpenWithContextCommand();
    ASSERT_NE(fromMenu.handle(), nullptr);
    EXPECT_EQ(Shown(fromMenu), defaults);
    fromMenu.PressCancel();
    ASSERT_TRUE(fromMenu.WaitUntilClosed(kPromptMs));
    EXPECT_EQ(StoredBounds(), Bounds{}) << "opening and cancelling stored something";
}

TEST_F(ClickTimingDialogTest, OkStoresEachPairCorrectedOnItsOwn) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    struct Case {
        std::array<std::string, 4> typed;
        Bounds stored;
    };
    const std::vector<Case> cases = {
        {{"300", "100", "20", "70"}, {300, 300, 20, 70}},
        {{"-5", "-10", "-5", "40"}, {0, 0, 0, 40}},
        {{" 7 ", "+9", "90", "10"}, {7, 9, 90, 90}},
        {{"0", "0", "-1", "-1"}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed[0] + " " + c.typed[1] + " " + c.typed[2] + " " + c.typed[3]);
        ASSERT_NO_FATAL_FAILURE(Confirm(c.typed));
        EXPECT_EQ(StoredBounds(), c.stored);
    }

    // Each opening reads the store afresh.
    const ClickTimingDialog reopened = OpenWithButton();
    ASSERT_NE(reopened.handle(), nullptr);
    EXPECT_EQ(Shown(reopened), (std::array<std::string, 4>{"0", "0", "0", "0"}));
    reopened.PressCancel();
    EXPECT_TRUE(reopened.WaitUntilClosed(kPromptMs));
}

TEST_F(ClickTimingDialogTest, CancelKeepsTheStoredValues) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(Confirm({"11", "22", "33", "44"}));

    const ClickTimingDialog dialog = OpenWithButton();
    ASSERT_NE(dialog.handle(), nullptr);
    for (int field : kBoundFields) dialog.Type(field, "999");
    dialog.PressCancel();
    ASSERT_TRUE(dialog.WaitUntilClosed(kPromptMs));

    EXPECT_EQ(StoredBounds(), (Bounds{11, 22, 33, 44}));
    const ClickTimingDialog reopened = OpenWithButton();
    ASSERT_NE(reopened.handle(), nullptr);
    EXPECT_EQ(Shown(reopened), (std::array<std::string, 4>{"11", "22", "33", "44"}));
    reopened.PressCancel();
    EXPECT_TRUE(reopened.WaitUntilClosed(kPromptMs));
}

TEST_F(ClickTimingDialogTest, RefusedFieldIsReportedForTheMaximumAndNothingIsStored) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    const ClickTimingDialog dialog = OpenWithButton();
    ASSERT_NE(dialog.handle(), nullptr);
    dialog.Type(id::kPressMinDelay, "");
    dialog.Type(id::kPressMaxDelay, "");
    dialog.Type(id::kDoubleClickMinDelay, "1");
    dialog.Type(id::kDoubleClickMaxDelay, "2");

    dialog.PressOk();
    const HWND box = WaitForMessageBox(process().id(), window().handle(), kPromptMs);
    ASSERT_NE(box, nullptr) << "the empty fields were not reported";
    EXPECT_EQ(MessageBoxText(box), "Please enter an integer number.");
    EXPECT_TRUE(DismissMessageBox(box, kPromptMs));

    EXPECT_TRUE(IsWindow(dialog.handle())) << "the dialog closed on a refused field";
    EXPECT_TRUE(WaitUntil(
        [&] { return FocusInThreadOf(dialog.handle()) == dialog.Field(id::kPressMaxDelay); },
        kPromptMs))
        << "the focus is not in the maximum field";
    EXPECT_EQ(StoredBounds(), Bounds{});

    dialog.PressCancel();
    EXPECT_TRUE(dialog.WaitUntilClosed(kPromptMs));
}

// Waits for each button message in turn and notes when it arrived.
std::vector<ULONGLONG> ArrivalTimes(ClickRecorder& recorder, size_t count) {
    std::vector<ULONGLONG> times;
    for (size_t seen = 0; seen < count; ++seen) {
        if (!recorder.WaitForEvents(seen + 1, kPromptMs)) break;
        times.push_back(GetTickCount64());
    }
    return times;
}

TEST_F(ClickTimingDialogTest, NewPressReleaseBoundsApplyFromTheNextScheduling) {
    for (const char* name : kBoundNames) RegistryProbe::Write("Settings", name, 0);
    ASSERT_NO_FATAL_FAILURE(Launch());
    window().Click(id::kUntilStoppedRadio);
    window().Type(id::kFixedDelay, "1500");
    ClickRecorder recorder(kRecorderArea);
    ASSERT_TRUE(recorder.WaitUntilReady(kPromptMs)) << "the click recorder is not on top";

    window().PressShortcutKey();
    ASSERT_TRUE(recorder.WaitForEvents(2, kPromptMs)) << "the run did not start";
    ASSERT_NO_FATAL_FAILURE(Confirm({"300", "300", "0", "0"}));

    // Clicks sent before the dialog closed are in this thread's queue by now: take them in.
    recorder.WaitForEvents(recorder.events().size() + 1, 0);
    // The click already scheduled may still use the old bounds; the one after it may not.
    const size_t before = recorder.events().size();
    const std::vector<ULONGLONG> times = ArrivalTimes(recorder, before + 4);
    window().PressShortcutKey();
    ASSERT_EQ(times.size(), before + 4) << "the run did not go on after OK";
    EXPECT_EQ(recorder.events()[before + 2].message, static_cast<UINT>(WM_LBUTTONDOWN));
    // Arrival is noted to within a pump slice, hence a little below the minimum.
    EXPECT_GE(times[before + 3] - times[before + 2], 250U)
        << "the press and release of a later click were not kept apart";
}

}  // namespace
}  // namespace quorvel::test
