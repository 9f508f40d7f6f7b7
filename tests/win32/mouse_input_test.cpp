#include "platform/mouse_input.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/click_recorder.h"

namespace quorvel::test {
namespace {

using namespace quorvel::win;

constexpr DWORD kTimeoutMs = 10000;

class MouseInputTest : public testing::Test {
protected:
    // One recorder for the suite: under wine, destroying the foreground window takes seconds.
    static void SetUpTestSuite() {
        recorder = std::make_unique<test::ClickRecorder>(RECT{200, 150, 700, 550});
    }
    static void TearDownTestSuite() { recorder.reset(); }

    void SetUp() override {
        ASSERT_TRUE(recorder->WaitUntilReady(kTimeoutMs));
        recorder->Clear();
    }

    // Every event arrived at the cursor, marked as ours, with the messages expected in order.
    void ExpectRecorded(std::initializer_list<UINT> messages) {
        ASSERT_TRUE(recorder->WaitForEvents(messages.size(), kTimeoutMs))
            << recorder->events().size() << " events";
        POINT cursor{};
        ASSERT_TRUE(GetCursorPos(&cursor));
        ASSERT_EQ(recorder->events().size(), messages.size());
        size_t i = 0;
        for (const UINT message : messages) {
            const test::RecordedButton& event = recorder->events()[i++];
            EXPECT_EQ(event.message, message) << "event " << i;
            EXPECT_EQ(event.screenPoint.x, cursor.x) << "event " << i;
            EXPECT_EQ(event.screenPoint.y, cursor.y) << "event " << i;
            EXPECT_EQ(event.extraInfo, 786u) << "event " << i;
        }
    }

    static inline std::unique_ptr<test::ClickRecorder> recorder;
    SendInputMouse mouse;
};

TEST_F(MouseInputTest, EachButtonPairArrivesInOrderAtTheCursor) {
    mouse.SendButton(ButtonEvent::LeftDown, kClickExtraInfo);
    mouse.SendButton(ButtonEvent::LeftUp, kClickExtraInfo);
    mouse.SendButton(ButtonEvent::RightDown, kClickExtraInfo);
    mouse.SendButton(ButtonEvent::RightUp, kClickExtraInfo);
    mouse.SendButton(ButtonEvent::MiddleDown, kClickExtraInfo);
    mouse.SendButton(ButtonEvent::MiddleUp, kClickExtraInfo);
    ExpectRecorded(
        {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP});
}

TEST_F(MouseInputTest, ADoubleClickIsFourButtonMessages) {
    for (int click = 0; click < 2; ++click) {
        mouse.SendButton(ButtonEvent::LeftDown, kClickExtraInfo);
        mouse.SendButton(ButtonEvent::LeftUp, kClickExtraInfo);
    }
    ExpectRecorded({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP});
}

TEST_F(MouseInputTest, TheEventActsWhereverTheCursorIsNow) {
    ASSERT_TRUE(SetCursorPos(260, 500));
    mouse.SendButton(ButtonEvent::RightDown, kClickExtraInfo);
    mouse.SendButton(ButtonEvent::RightUp, kClickExtraInfo);
    ExpectRecorded({WM_RBUTTONDOWN, WM_RBUTTONUP});
}

}  // namespace
}  // namespace quorvel::test
