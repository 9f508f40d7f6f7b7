#include "driver/control_ids.h"
#include "driver/registry_probe.h"
#include "driver/wait.h"
#include "quorvel_test.h"

#include <cstdio>

namespace e2e {
namespace {

using FirstStart = QuorvelTest;

TEST_F(FirstStart, ControlsShowTheInitialSettings) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    const MainWindow& w = window();

    EXPECT_TRUE(w.IsChecked(id::kAtCursorRadio));
    EXPECT_FALSE(w.IsChecked(id::kAnywhereRadio));
    EXPECT_FALSE(w.IsChecked(id::kInRectangleRadio));
    EXPECT_EQ(w.Text(id::kLocX), "0");
    EXPECT_EQ(w.Text(id::kLocY), "0");
    EXPECT_EQ(w.Text(id::kLocWidth), "100");
    EXPECT_EQ(w.Text(id::kLocHeight), "100");

    EXPECT_TRUE(w.IsChecked(id::kStopAfterRadio));
    EXPECT_FALSE(w.IsChecked(id::kUntilStoppedRadio));
    EXPECT_EQ(w.Text(id::kClickCount), "10");

    EXPECT_TRUE(w.IsChecked(id::kFixedDelayRadio));
    EXPECT_FALSE(w.IsChecked(id::kRandomDelayRadio));
    EXPECT_EQ(w.Text(id::kFixedDelay), "10");
    EXPECT_EQ(w.Text(id::kRandomDelayFrom), "1");
    EXPECT_EQ(w.Text(id::kRandomDelayTo), "100");

    for (const int list : {id::kFixedDelayUnit, id::kRandomDelayUnit}) {
        SCOPED_TRACE(list);
        ASSERT_EQ(w.ItemCount(list), 3);
        EXPECT_EQ(w.ItemText(list, 0), "Milli Second(s)");
        EXPECT_EQ(w.ItemText(list, 1), "Second(s)");
        EXPECT_EQ(w.ItemText(list, 2), "Minute(s)");
        EXPECT_EQ(w.Selection(list), 0);
    }

    EXPECT_TRUE(w.IsChecked(id::kLeftClickRadio));
    for (const int other : {id::kRightClickRadio, id::kLeftDoubleRadio, id::kRightDoubleRadio,
                            id::kMiddleClickRadio}) {
        EXPECT_FALSE(w.IsChecked(other)) << other;
    }
}

TEST_F(FirstStart, ShowsTheWindowWithShortcutHintAndDesktopSize) {
    ASSERT_NO_FATAL_FAILURE(Launch());

    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window().handle()) != FALSE; }, kPromptMs));
    EXPECT_EQ(window().Text(id::kStatusLine),
              "Assign a Shortcut Key to Start / Stop the Mouse Clicking.");

    char area[128];
    std::snprintf(area, sizeof(area), "Total Clickable Area of Width %u Height %u",
                  static_cast<unsigned>(GetSystemMetrics(SM_CXVIRTUALSCREEN)),
                  static_cast<unsigned>(GetSystemMetrics(SM_CYVIRTUALSCREEN)));
    EXPECT_EQ(window().Text(id::kAreaFrame), area);
}

TEST_F(FirstStart, WritesNothingToTheStore) {
    ASSERT_NO_FATAL_FAILURE(Launch());

    EXPECT_FALSE(RegistryProbe::SectionExists("Settings"));
    EXPECT_FALSE(RegistryProbe::SectionExists("Social"));
}

}  // namespace
}  // namespace e2e
