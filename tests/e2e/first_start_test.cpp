#include "tests/support/foreground.h"
#include "tests/support/registry_probe.h"
#include "tests/support/texts_and_ids.h"
#include "tests/support/wait.h"
#include "quorvel_test.h"

#include <cstdio>

namespace quorvel::test {
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
    // Without a shortcut key the user is asked for one, with the keyboard already there.
    EXPECT_EQ(FocusInThreadOf(window().handle()), GetDlgItem(window().handle(), id::kShortcutKey));

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

// Every key holds a value of its own, unlike its default and every other key, so that a key
// read into the wrong control shows up.
TEST_F(FirstStart, EachStoredValueReachesItsOwnControlWithTheRulesApplied) {
    const struct {
        const char* key;
        DWORD value;
    } stored[] = {
        {"m_iClickLocation", 2},
        {"m_iLocX", 11},
        {"m_iLocY", 12},
        {"m_iLocWidth", 13},
        {"m_iLocHeight", 14},
        {"m_iHowManyClicks", 0},
        {"m_iFixedClicksCount", 15},
        {"m_iDelayBetweenClicks", 0},
        {"m_iRandomDelayFrom", 16},
        {"m_iRandomDelayTo", 17},
        {"m_iFixedDelayInClicks", 18},
        {"m_iRadioClickType", 3},
        {"m_ctrlComboFixedDelayScales", 1},
        {"m_ctrlRandomDelayScales", 2},
    };
    for (const auto& value : stored) RegistryProbe::Write("Settings", value.key, value.value);
    ASSERT_NO_FATAL_FAILURE(Launch());
    const MainWindow& w = window();

    EXPECT_TRUE(w.IsChecked(id::kInRectangleRadio));
    EXPECT_EQ(w.Text(id::kLocX), "11");
    EXPECT_EQ(w.Text(id::kLocY), "12");
    EXPECT_EQ(w.Text(id::kLocWidth), "13");
    EXPECT_EQ(w.Text(id::kLocHeight), "14");
    EXPECT_TRUE(w.IsChecked(id::kUntilStoppedRadio));
    EXPECT_EQ(w.Text(id::kClickCount), "15");
    EXPECT_TRUE(w.IsChecked(id::kRandomDelayRadio));
    EXPECT_EQ(w.Text(id::kRandomDelayFrom), "16");
    EXPECT_EQ(w.Text(id::kRandomDelayTo), "17");
    EXPECT_EQ(w.Text(id::kFixedDelay), "18");
    EXPECT_TRUE(w.IsChecked(id::kRightDoubleRadio));
    EXPECT_EQ(w.Selection(id::kFixedDelayUnit), 1);
    EXPECT_EQ(w.Selection(id::kRandomDelayUnit), 2);

    EXPECT_TRUE(w.IsEnabled(id::kLocX));
    EXPECT_TRUE(w.IsEnabled(id::kPickAreaButton));
    EXPECT_FALSE(w.IsEnabled(id::kClickCount));
    EXPECT_TRUE(w.IsEnabled(id::kRandomDelayFrom));
    EXPECT_FALSE(w.IsEnabled(id::kFixedDelay));
}

}  // namespace
}  // namespace quorvel::test
