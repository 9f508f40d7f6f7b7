#include "store/settings_keys.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/unit/memory_store.h"
#include "ui/main_window_settings.h"

namespace quorvel::test {
namespace {

using namespace store;

TEST(SettingsKeys, EveryKeyNameIsUniqueWithinItsSection) {
    const SettingKey others[] = {keys::kPressReleaseMin,
                                 keys::kPressReleaseMax,
                                 keys::kDoubleClickMin,
                                 keys::kDoubleClickMax,
                                 keys::kInfoMessageDisplayed,
                                 keys::kPickStartX,
                                 keys::kPickStartY,
                                 keys::kPickEndX,
                                 keys::kPickEndY,
                                 keys::kTwittered,
                                 keys::kFacebooked,
                                 keys::kGoogled};
    // The shortcut key's two names, as the hot-key store forms them.
    std::set<std::string> seen{"Settings/m_ctrlHotKeyStartStopClicks Key",
                               "Settings/m_ctrlHotKeyStartStopClicks Mod"};
    for (const SettingKey& key : ui::kMainWindowKeys) {
        EXPECT_TRUE(seen.insert(std::string(key.section) + "/" + key.name).second) << key.name;
    }
    for (const SettingKey& key : others) {
        EXPECT_TRUE(seen.insert(std::string(key.section) + "/" + key.name).second) << key.name;
    }
    EXPECT_EQ(seen.size(), 28u);
}

TEST(SettingsKeys, MainWindowDefaultsDescribeTheFirstRun) {
    // The values an empty profile shows, in load order.
    const int expected[] = {0, 0, 0, 100, 100, 1, 10, 1, 1, 100, 10, 0, 0, 0};
    for (size_t i = 0; i < ui::kMainWindowKeys.size(); ++i) {
        EXPECT_EQ(ui::kMainWindowKeys[i].defaultValue, expected[i]) << ui::kMainWindowKeys[i].name;
        EXPECT_STREQ(ui::kMainWindowKeys[i].section, "Settings");
    }
}

TEST(SettingsKeys, PauseBoundsAreReadFromTheirOwnKeysWithTheirDefaults) {
    test::MemoryStore store;
    ClickSettings settings;
    ui::ReadPauseBounds(store, settings);
    EXPECT_EQ(settings.pressReleaseMin, 50);
    EXPECT_EQ(settings.pressReleaseMax, 200);
    EXPECT_EQ(settings.doubleClickMin, 20);
    EXPECT_EQ(settings.doubleClickMax, 70);

    store.WriteProfileInt("Settings", "MDMU_MIN_DELAY", 1);
    store.WriteProfileInt("Settings", "MDMU_MAX_DELAY", 2);
    store.WriteProfileInt("Settings", "DOUBLE_CLICKS_MIN_DELAY", 3);
    store.WriteProfileInt("Settings", "DOUBLE_CLICKS_MAX_DELAY", 4);
    ui::ReadPauseBounds(store, settings);
    EXPECT_EQ(settings.pressReleaseMin, 1);
    EXPECT_EQ(settings.pressReleaseMax, 2);
    EXPECT_EQ(settings.doubleClickMin, 3);
    EXPECT_EQ(settings.doubleClickMax, 4);
}

TEST(SettingsKeys, HelpersUseSectionSettingsAndKeysUseTheirOwnSection) {
    test::MemoryStore store;
    WriteSetting(store, "m_iLocX", -7);
    EXPECT_TRUE(store.Has("Settings", "m_iLocX"));
    EXPECT_EQ(ReadSetting(store, "m_iLocX", 0), -7);
    EXPECT_EQ(ReadSetting(store, "m_iLocY", 42), 42);

    EXPECT_EQ(ReadKey(store, keys::kPressReleaseMax), 200);
    EXPECT_TRUE(WriteKey(store, keys::kGoogled, 1));
    EXPECT_TRUE(store.Has("Social", "Googled"));
    EXPECT_FALSE(store.Has("Settings", "Googled"));
}

}  // namespace
}  // namespace quorvel::test
