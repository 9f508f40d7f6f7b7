#include <windows.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "tests/support/click_recorder.h"
#include "tests/support/keyboard.h"
#include "tests/support/options_dialog.h"
#include "tests/support/registry_probe.h"
#include "tests/support/texts_and_ids.h"
#include "tests/support/wait.h"
#include "tests/support/x11_input.h"
#include "quorvel_test.h"

namespace quorvel::test {
namespace {

constexpr RECT kRecorderArea = {200, 150, 600, 450};
constexpr const char* kClicksDoneMark = " Clicks Done, Last Click at ";
// Within this a stopped run would have clicked again, at 100 ms between clicks.
constexpr DWORD kNoMoreClicksMs = 1000;

std::optional<DWORD> Stored(const char* name) { return RegistryProbe::Read("Settings", name); }

TEST_F(QuorvelTest, OptionsStoresEachValueOnOkShowsItAgainAndCancelChangesNothing) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    const OptionsDialog first(OptionsDialog::Open(window().handle(), process().id(), kPromptMs));
    ASSERT_NE(first.handle(), nullptr) << "Options... opened no dialog";
    EXPECT_EQ(first.TriggerButton(), 0);
    for (const int box : {id::kHoldToClickBox, id::kExtraModifiersBox, id::kStopOnMoveBox}) {
        EXPECT_FALSE(first.IsChecked(box)) << box;
    }
    EXPECT_EQ(first.StopAfterMinutes(), 0);
    first.PickTriggerButton(3);
    for (const int box : {id::kHoldToClickBox, id::kExtraModifiersBox, id::kStopOnMoveBox}) {
        first.SetChecked(box, true);
    }
    first.TypeStopAfterMinutes(15);
    first.PressOk();
    ASSERT_TRUE(first.WaitUntilClosed(kPromptMs));

    EXPECT_EQ(Stored("TriggerButton"), std::optional<DWORD>(3));
    EXPECT_EQ(Stored("HoldToClick"), std::optional<DWORD>(1));
    EXPECT_EQ(Stored("ShortcutWithExtraModifiers"), std::optional<DWORD>(1));
    EXPECT_EQ(Stored("StopOnMouseMove"), std::optional<DWORD>(1));
    EXPECT_EQ(Stored("StopAfterMinutes"), std::optional<DWORD>(15));

    const OptionsDialog again(OptionsDialog::Open(window().handle(), process().id(), kPromptMs));
    ASSERT_NE(again.handle(), nullptr);
    EXPECT_EQ(again.TriggerButton(), 3);
    for (const int box : {id::kHoldToClickBox, id::kExtraModifiersBox, id::kStopOnMoveBox}) {
        EXPECT_TRUE(again.IsChecked(box)) << box;
        again.SetChecked(box, false);
    }
    EXPECT_EQ(again.StopAfterMinutes(), 15);
    again.PickTriggerButton(1);
    again.TypeStopAfterMinutes(0);
    again.PressCancel();
    ASSERT_TRUE(again.WaitUntilClosed(kPromptMs));
    EXPECT_EQ(Stored("TriggerButton"), std::optional<DWORD>(3));
    EXPECT_EQ(Stored("HoldToClick"), std::optional<DWORD>(1));
    EXPECT_EQ(Stored("StopAfterMinutes"), std::optional<DWORD>(15));
}

// Runs at the cursor every 100 ms until stopped, over a recorder that keeps the X11 pointer on a
// wine window, with F7 as the shortcut and the options given.
class OptionsAtWork : public QuorvelTest {
protected:
    void LaunchWith(StoredSettings options, int holdMs = 0) {
        RegistryProbe::Write("Settings", "m_ctrlHotKeyStartStopClicks Key", VK_F7);
        ASSERT_NO_FATAL_FAILURE(LaunchForCalmClicking(options, holdMs));
        recorder_ = std::make_unique<ClickRecorder>(kRecorderArea);
        ASSERT_TRUE(recorder_->WaitUntilReady(kPromptMs)) << "the click recorder is not on top";
    }

    // Button messages that the program sent; what a hand sent is counted apart.
    std::size_t OwnEvents() const {
        const auto& events = recorder_->events();
        return std::count_if(events.begin(), events.end(), [](const RecordedButton& e) {
            return e.extraInfo == kSynthesisedMark;
        });
    }
    std::size_t HandEvents() const { return recorder_->events().size() - OwnEvents(); }

    bool ClicksArrive(std::size_t clicks, DWORD timeoutMs = kPromptMs) {
        return WaitUntil([&] { return OwnEvents() >= 2 * clicks; }, timeoutMs);
    }
    bool BecomesIdle(DWORD timeoutMs = kPromptMs) const {
        return WaitUntil([&] { return window().Text(id::kStatusLine) == idleText_; }, timeoutMs);
    }
    // No click after the run ended.
    bool StaysStill() {
        const std::size_t events = OwnEvents();
        return !WaitUntil([&] { return OwnEvents() > events; }, kNoMoreClicksMs);
    }
    std::string Status() const { return window().Text(id::kStatusLine); }

    const std::string idleText_ = "Press " + KeyName(VK_F7) + " to Start / Stop Mouse Clicking.";
    std::unique_ptr<ClickRecorder> recorder_;
};

struct SideOrMiddle {
    const char* name;
    DWORD stored;
    const char* x11Button;
};

class TriggerButtons : public OptionsAtWork, public ::testing::WithParamInterface<SideOrMiddle> {};

TEST_P(TriggerButtons, ARealPressStartsAndStopsARunAndReachesNoWindow) {
    ASSERT_NO_FATAL_FAILURE(LaunchWith({{"TriggerButton", GetParam().stored}}));
    const std::string click = std::string("click ") + GetParam().x11Button;

    ASSERT_TRUE(X11Input(click)) << "xdotool could not be started";
    EXPECT_TRUE(ClicksArrive(2)) << "the button started no run: " << Status();
    ASSERT_TRUE(X11Input(click));
    EXPECT_TRUE(BecomesIdle()) << Status();
    EXPECT_TRUE(StaysStill()) << "a click followed the stop";
    DispatchPendingMessages();
    EXPECT_EQ(HandEvents(), 0U) << "the button's press reached the window under the cursor";
}

INSTANTIATE_TEST_SUITE_P(, TriggerButtons,
                         ::testing::Values(SideOrMiddle{"Middle", 1, "2"},
                                           SideOrMiddle{"BackIsX11Button8", 2, "8"},
                                           SideOrMiddle{"ForwardIsX11Button9", 3, "9"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionsAtWork, TheProgramsOwnMiddleClicksNeverTriggerIt) {
    ASSERT_NO_FATAL_FAILURE(LaunchWith({{"TriggerButton", 1}}));
    window().Click(id::kMiddleClickRadio);
    PressCombination(0, VK_F7);
    EXPECT_TRUE(ClicksArrive(3)) << "the run's own middle clicks stopped it: " << Status();
    EXPECT_NE(Status().find(kClicksDoneMark), std::string::npos) << Status();
}

TEST_F(OptionsAtWork, HoldingTheKeyClicksUntilItsRelease) {
    ASSERT_NO_FATAL_FAILURE(LaunchWith({{"HoldToClick", 1}}));

    ASSERT_TRUE(X11Input("keydown F7"));
    EXPECT_TRUE(ClicksArrive(3)) << "the held key started no run: " << Status();
    ASSERT_TRUE(X11Input("keyup F7"));
    EXPECT_TRUE(BecomesIdle()) << Status();
    EXPECT_TRUE(StaysStill()) << "a click followed the release";

    // And again: the release was seen, so the next press is no repeat.
    ASSERT_TRUE(X11Input("keydown F7"));
    EXPECT_TRUE(ClicksArrive(OwnEvents() / 2 + 2)) << Status();
    ASSERT_TRUE(X11Input("keyup F7"));
    EXPECT_TRUE(BecomesIdle()) << Status();
}

TEST_F(OptionsAtWork, ReleasingAHeldButtonLiftsALongPressAtOnceAndEndsTheRun) {
    constexpr int kHoldMs = 20000;
    constexpr DWORD kWellWithinTheHoldMs = 5000;
    ASSERT_NO_FATAL_FAILURE(LaunchWith({{"TriggerButton", 1}, {"HoldToClick", 1}}, kHoldMs));

    ASSERT_TRUE(X11Input("mousedown 2"));
    ASSERT_TRUE(WaitUntil([&] { return OwnEvents() >= 1; }, kPromptMs))
        << "the held button started no run: " << Status();
    ASSERT_TRUE(X11Input("mouseup 2"));
    ASSERT_TRUE(WaitUntil([&] { return OwnEvents() >= 2; }, kWellWithinTheHoldMs))
        << "the button stayed down after the release";
    EXPECT_EQ(recorder_->events().back().message, static_cast<UINT>(WM_LBUTTONUP));
    EXPECT_TRUE(BecomesIdle()) << Status();
    EXPECT_TRUE(StaysStill()) << "a click followed the release";
    EXPECT_EQ(HandEvents(), 0U);
}

TEST_F(OptionsAtWork, AMouseMovedByHandStopsARun) {
    ASSERT_NO_FATAL_FAILURE(LaunchWith({{"StopOnMouseMove", 1}}));
    PressCombination(0, VK_F7);
    ASSERT_TRUE(ClicksArrive(2)) << Status();

    ASSERT_TRUE(X11Input("mousemove_relative 30 0"));
    EXPECT_TRUE(BecomesIdle()) << Status();
    EXPECT_TRUE(StaysStill()) << "a click followed the stop";
}

TEST_F(OptionsAtWork, ARunEndsByItselfAtItsTimeLimit) {
    // The shortest limit there is; the run must outlast many clicks and then end unprompted.
    constexpr DWORD kOneMinuteAndMarginMs = 90000;
    ASSERT_NO_FATAL_FAILURE(LaunchWith({{"StopAfterMinutes", 1}}));
    PressCombination(0, VK_F7);
    ASSERT_TRUE(ClicksArrive(2)) << Status();

    EXPECT_TRUE(BecomesIdle(kOneMinuteAndMarginMs)) << Status();
    EXPECT_GT(OwnEvents(), 2U * 100) << "the run ended long before its minute";
    EXPECT_TRUE(StaysStill()) << "a click followed the end";
}

class OptionsInRectangle : public RectangleClicksTest {};

TEST_F(OptionsInRectangle, ARunIsNeverStoppedByItsOwnFastCursorMoves) {
    constexpr int kClicks = 200;
    RegistryProbe::Write("Settings", "StopOnMouseMove", 1);
    ASSERT_NO_FATAL_FAILURE(LaunchClickingInRectangle());
    window().Type(id::kFixedDelay, "1");
    window().Type(id::kClickCount, std::to_string(kClicks));

    window().PressShortcutKey();
    // The count limit, not the movement stop, ends the run: every click arrives.
    EXPECT_TRUE(recorder().WaitForEvents(2 * kClicks, kPromptMs))
        << recorder().events().size() / 2 << " clicks of " << kClicks << ": "
        << window().Text(id::kStatusLine);
}

}  // namespace
}  // namespace quorvel::test
