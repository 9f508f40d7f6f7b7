#include "engine/start_stop_trigger.h"

#include <gtest/gtest.h>

namespace quorvel::test {
namespace {

constexpr auto kKey = TriggerSource::ShortcutKey;
constexpr auto kButton = TriggerSource::MouseButton;

TEST(StartStopTrigger, TogglingEveryPressStartsOrStopsAndReleasesDoNothing) {
    StartStopTrigger trigger;
    EXPECT_EQ(trigger.Press(kButton, false), TriggerAction::StartStop);
    EXPECT_EQ(trigger.Release(kButton, true), TriggerAction::None);
    EXPECT_EQ(trigger.Press(kKey, true), TriggerAction::StartStop);
    EXPECT_EQ(trigger.Release(kKey, false), TriggerAction::None);
    // A release missed, then the next press: a press all the same.
    EXPECT_EQ(trigger.Press(kButton, false), TriggerAction::StartStop);
    EXPECT_EQ(trigger.Press(kButton, true), TriggerAction::StartStop);
}

TEST(StartStopTrigger, HoldingAPressStartsAndTheReleaseOfTheLastSourceHeldStops) {
    StartStopTrigger trigger;
    trigger.SetHoldToClick(true);
    EXPECT_EQ(trigger.Press(kKey, false), TriggerAction::Start);
    EXPECT_EQ(trigger.Press(kButton, true), TriggerAction::None) << "the run goes on";
    EXPECT_EQ(trigger.Release(kKey, true), TriggerAction::None) << "the button still holds it";
    EXPECT_EQ(trigger.Release(kButton, true), TriggerAction::Stop);
    EXPECT_EQ(trigger.Release(kButton, false), TriggerAction::None) << "a second release";

    // A press whose release was missed, pressed again during its own run, keeps the run.
    EXPECT_EQ(trigger.Press(kButton, false), TriggerAction::Start);
    EXPECT_EQ(trigger.Press(kButton, true), TriggerAction::None);
    EXPECT_EQ(trigger.Release(kButton, true), TriggerAction::Stop);
}

TEST(StartStopTrigger, HoldingARunEndedByItsLimitStaysEndedAtTheRelease) {
    StartStopTrigger trigger;
    trigger.SetHoldToClick(true);
    EXPECT_EQ(trigger.Press(kKey, false), TriggerAction::Start);
    EXPECT_EQ(trigger.Release(kKey, false), TriggerAction::None);
    EXPECT_EQ(trigger.Release(kKey, false), TriggerAction::None) << "a release never starts";
}

}  // namespace
}  // namespace quorvel::test
