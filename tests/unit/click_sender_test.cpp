#include "engine/click_sender.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "crt_draws.h"
#include "engine_fakes.h"

namespace quorvel::test {
namespace {

constexpr std::uint32_t kSeed = 2024;

struct KindCase {
    int kind;
    std::vector<ButtonEvent> buttons;
};

class ClickSenderTest : public ::testing::Test {
protected:
    CClickSender sender;
    FakeMouse mouse;
    RandomGenerator random;

    void SetUp() override {
        random.Seed(kSeed);
        // The first-run bounds.
        sender.pressReleaseMin = 50;
        sender.pressReleaseMax = 200;
        sender.doubleClickMin = 20;
        sender.doubleClickMax = 70;
    }

    void ExpectPauses(std::vector<std::uint32_t> pauses) { EXPECT_EQ(mouse.Pauses(), pauses); }
};

TEST_F(ClickSenderTest, EachKindSendsItsRecordsWithSeededPausesBetween) {
    using enum ButtonEvent;
    const std::vector<KindCase> cases = {
        {kLeftClick, {LeftDown, LeftUp}},
        {kRightClick, {RightDown, RightUp}},
        {kLeftDoubleClick, {LeftDown, LeftUp, LeftDown, LeftUp}},
        {kRightDoubleClick, {RightDown, RightUp, RightDown, RightUp}},
        {kMiddleClick, {MiddleDown, MiddleUp}},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.kind);
        mouse.steps.clear();
        random.Seed(kSeed);
        sender.Click(c.kind, mouse, mouse, random);

        EXPECT_EQ(mouse.Buttons(), c.buttons);
        CrtDraws draws(kSeed);
        const bool isDouble = c.buttons.size() == 4;
        std::vector<MouseStep> expected;
        const auto pressReleasePause = [&](std::size_t first) {
            expected.push_back({false, c.buttons[first], 786, 0});
            expected.push_back({true, {}, 0, static_cast<std::uint32_t>(draws.Between(50, 200))});
            expected.push_back({false, c.buttons[first + 1], 786, 0});
        };
        pressReleasePause(0);
        if (isDouble) {
            expected.push_back({true, {}, 0, static_cast<std::uint32_t>(draws.Between(20, 70))});
            pressReleasePause(2);
        }
        ASSERT_EQ(mouse.steps.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(mouse.steps[i].isPause, expected[i].isPause) << i;
            EXPECT_EQ(mouse.steps[i].button, expected[i].button) << i;
            EXPECT_EQ(mouse.steps[i].extraInfo, expected[i].extraInfo) << i;
            EXPECT_EQ(mouse.steps[i].sleepMs, expected[i].sleepMs) << i;
        }
    }
}

TEST_F(ClickSenderTest, KindsOutsideTheFiveSendAndDrawNothing) {
    for (int kind : {-1, 5, 100}) sender.Click(kind, mouse, mouse, random);
    EXPECT_TRUE(mouse.steps.empty());
    EXPECT_EQ(random.Next(), CrtDraws(kSeed).Next());
}

TEST_F(ClickSenderTest, PauseBoundsThatLeaveNoChoice) {
    sender.pressReleaseMin = 0;
    sender.pressReleaseMax = 0;
    sender.doubleClickMin = 0;
    sender.doubleClickMax = 0;
    sender.Click(kLeftDoubleClick, mouse, mouse, random);
    ExpectPauses({0, 0, 0});

    mouse.steps.clear();
    sender.pressReleaseMin = 100;
    sender.pressReleaseMax = 100;
    sender.doubleClickMin = 80;  // above its maximum: the minimum wins
    sender.doubleClickMax = 10;
    sender.Click(kRightDoubleClick, mouse, mouse, random);
    ExpectPauses({100, 80, 100});

    mouse.steps.clear();
    sender.pressReleaseMin = 50;
    sender.pressReleaseMax = 51;
    for (int i = 0; i < 20; ++i) sender.Click(kLeftClick, mouse, mouse, random);
    EXPECT_EQ(mouse.Pauses(), std::vector<std::uint32_t>(20, 50));
}

TEST_F(ClickSenderTest, NegativePausesDoNotWait) {
    sender.pressReleaseMin = -500;
    sender.pressReleaseMax = -400;
    sender.doubleClickMin = -1;
    sender.doubleClickMax = -1;
    sender.Click(kLeftDoubleClick, mouse, mouse, random);
    ExpectPauses({0, 0, 0});
    EXPECT_EQ(mouse.Buttons().size(), 4u);
}

TEST_F(ClickSenderTest, AKeyPressEndsAHoldOrAGapAtOnceAndNothingMoreIsSent) {
    using enum ButtonEvent;
    std::int64_t clock = 0;
    mouse.clock = &clock;
    mouse.pressAt = 1000000;  // one second in
    sender.pressReleaseMin = sender.pressReleaseMax = 20000;
    sender.Click(kLeftDoubleClick, mouse, mouse, random);
    EXPECT_EQ(mouse.Buttons(), (std::vector<ButtonEvent>{LeftDown, LeftUp}));
    EXPECT_EQ(mouse.steps.back().at, 1000000) << "the button went up when the key was pressed";

    clock = 0;
    mouse.steps.clear();
    sender.pressReleaseMin = sender.pressReleaseMax = 0;
    sender.doubleClickMin = sender.doubleClickMax = 20000;
    sender.Click(kRightDoubleClick, mouse, mouse, random);
    EXPECT_EQ(mouse.Buttons(), (std::vector<ButtonEvent>{RightDown, RightUp}))
        << "the second click followed the press";
}

}  // namespace
}  // namespace quorvel::test
