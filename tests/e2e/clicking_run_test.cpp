#include "tests/support/click_recorder.h"
#include "tests/support/keyboard.h"
#include "tests/support/message_box.h"
#include "tests/support/registry_probe.h"
#include "tests/support/texts_and_ids.h"
#include "tests/support/wait.h"
#include "quorvel_test.h"

#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace quorvel::test {
namespace {

struct ClickKind {
    int radio;
    const char* name;
    std::vector<UINT> messagesPerClick;
};

const std::vector<ClickKind> kClickKinds = {
    {id::kLeftClickRadio, "left", {WM_LBUTTONDOWN, WM_LBUTTONUP}},
    {id::kRightClickRadio, "right", {WM_RBUTTONDOWN, WM_RBUTTONUP}},
    {id::kLeftDoubleRadio,
     "left double",
     {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}},
    {id::kRightDoubleRadio,
     "right double",
     {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP}},
    {id::kMiddleClickRadio, "middle", {WM_MBUTTONDOWN, WM_MBUTTONUP}},
};

class ClickingRun : public RectangleClicksTest {
protected:
    // A person's set-up for a short run: clicks inside the rectangle every 50 ms.
    void LaunchForRectangleClicks() {
        ASSERT_NO_FATAL_FAILURE(LaunchClickingInRectangle());
        window().Type(id::kFixedDelay, "50");
    }

    bool StatusBecomes(const std::string& text) const {
        return WaitUntil([&] { return window().Text(id::kStatusLine) == text; }, kPromptMs);
    }
};

TEST_F(ClickingRun, CountLimitedRunSendsEachClickKindInsideTheRectangle) {
    ASSERT_NO_FATAL_FAILURE(LaunchForRectangleClicks());
    window().Type(id::kClickCount, "3");

    for (const ClickKind& kind : kClickKinds) {
        SCOPED_TRACE(kind.name);
        window().Click(kind.radio);
        recorder().Clear();
        window().PressShortcutKey();

        const size_t expected = 3 * kind.messagesPerClick.size();
        ASSERT_TRUE(recorder().WaitForEvents(expected, kPromptMs))
            << "only " << recorder().events().size() << " button messages arrived";
        ASSERT_TRUE(StatusBecomes(kIdleStatus)) << window().Text(id::kStatusLine);
        // The run has ended, so whatever it sent is queued by now.
        DispatchPendingMessages();

        const std::vector<RecordedButton>& events = recorder().events();
        ASSERT_EQ(events.size(), expected);
        for (size_t i = 0; i < events.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(events[i].message, kind.messagesPerClick[i % kind.messagesPerClick.size()]);
            EXPECT_EQ(events[i].extraInfo, kSynthesisedMark);
            EXPECT_TRUE(InsideClickRectangle(events[i].screenPoint))
                << events[i].screenPoint.x << ", " << events[i].screenPoint.y;
            if (i % kind.messagesPerClick.size() != 0) {
                // Every press and release of one click lands on the same point.
                EXPECT_EQ(events[i].screenPoint.x, events[i - 1].screenPoint.x);
                EXPECT_EQ(events[i].screenPoint.y, events[i - 1].screenPoint.y);
            }
        }
    }
}

TEST_F(ClickingRun, RunUntilStoppedReportsEachClickAndEndsAtTheSecondPress) {
    ASSERT_NO_FATAL_FAILURE(LaunchForRectangleClicks());
    window().Click(id::kUntilStoppedRadio);

    window().PressShortcutKey();

    const std::regex clickText(R"(.+ - (\d+) Clicks Done, Last Click at X = (-?\d+) & )"
                               R"(Y = (-?\d+), Next Click in 50 Milli Second\(s\))");
    std::smatch report;
    std::string status;
    ASSERT_TRUE(WaitUntil(
        [&] {
            status = window().Text(id::kStatusLine);
            return std::regex_match(status, report, clickText) && std::stoi(report[1]) >= 2;
        },
        kPromptMs))
        << status;
    EXPECT_TRUE(InsideClickRectangle({std::stoi(report[2]), std::stoi(report[3])})) << status;

    window().PressShortcutKey();
    ASSERT_TRUE(StatusBecomes(kIdleStatus)) << window().Text(id::kStatusLine);
    DispatchPendingMessages();
    const size_t clicksSent = recorder().events().size();
    EXPECT_GE(clicksSent, 4U);
    EXPECT_EQ(clicksSent % 2, 0U) << "a click was cut in half";

    EXPECT_FALSE(recorder().WaitForEvents(clicksSent + 1, 1000)) << "clicks went on after stop";
}

TEST_F(ClickingRun, AFastRunKeepsItsLineCurrentWhileItGoesOn) {
    ASSERT_NO_FATAL_FAILURE(LaunchForRectangleClicks());
    // Fast enough that a tick ends before the line has shown the last text for long, slow
    // enough for the recorder on this thread.
    window().Type(id::kFixedDelay, "5");
    window().Click(id::kUntilStoppedRadio);

    window().PressShortcutKey();
    const std::regex clickText(R"(.+ - (\d+) Clicks Done, .+)");
    std::smatch report;
    std::string status;
    for (const int clicks : {20, 60}) {
        EXPECT_TRUE(WaitUntil(
            [&] {
                status = window().Text(id::kStatusLine);
                return std::regex_match(status, report, clickText) &&
                       std::stoi(report[1]) >= clicks;
            },
            kPromptMs))
            << status;
    }
    window().PressShortcutKey();
    EXPECT_TRUE(StatusBecomes(kIdleStatus)) << window().Text(id::kStatusLine);
}

TEST_F(ClickingRun, KeyPressedWhileATicksRefusalBoxIsOpenStopsTheRunForGood) {
    constexpr UINT kModifiers = MOD_CONTROL | MOD_SHIFT;
    RegistryProbe::Write("Settings", "m_ctrlHotKeyStartStopClicks Key", VK_F7);
    RegistryProbe::Write("Settings", "m_ctrlHotKeyStartStopClicks Mod", kModifiers);
    ASSERT_NO_FATAL_FAILURE(LaunchForRectangleClicks());
    window().Click(id::kUntilStoppedRadio);
    const std::string idleStatus =
        "Press " + CombinationText(kModifiers, VK_F7) + " to Start / Stop Mouse Clicking.";

    // From now on every taking-in of the settings refuses this field with a box.
    window().StartTyping(id::kLocY, "y");
    EXPECT_NE(DismissNextMessageBox(), "");
    PressCombination(kModifiers, VK_F7);
    EXPECT_NE(DismissNextMessageBox(), "") << "the start did not take the settings in";
    ASSERT_TRUE(recorder().WaitForEvents(1, kPromptMs)) << "the run never clicked";
    const HWND tickBox = WaitForMessageBox(process().id(), window().handle(), kPromptMs);
    ASSERT_NE(tickBox, nullptr) << "the tick did not take the settings in";

    PressCombination(kModifiers, VK_F7);
    ASSERT_TRUE(StatusBecomes(idleStatus)) << window().Text(id::kStatusLine);
    ASSERT_TRUE(DismissMessageBox(tickBox, kPromptMs));

    // The interrupted tick must neither arm the timer again nor report its click.
    EXPECT_EQ(WaitForMessageBox(process().id(), window().handle(), 1000), nullptr)
        << "another tick ran after the stop";
    DispatchPendingMessages();
    const size_t clicksSent = recorder().events().size();
    EXPECT_FALSE(recorder().WaitForEvents(clicksSent + 1, 1000)) << "clicks went on after stop";
    EXPECT_EQ(window().Text(id::kStatusLine), idleStatus);
}

}  // namespace
}  // namespace quorvel::test
