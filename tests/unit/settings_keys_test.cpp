#include "store/settings_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "tests/unit/memory_store.h"
#include "ui/hotkey_store.h"
#include "ui/main_window_settings.h"
#include "ui/options_settings.h"

namespace quorvel::test {
namespace {

using namespace store;

TEST(SettingsKeys, EveryKeyNameIsUniqueWithinItsSection) {
    std::set<std::string> seen;
    for (const SettingKey& key : kAllKeys) {
        EXPECT_TRUE(seen.insert(std::string(key.section) + "/" + key.name).second) << key.name;
    }
}

bool InTable(const std::string& section, const std::string& name) {
    return std::any_of(kAllKeys.begin(), kAllKeys.end(), [&](const SettingKey& key) {
        return key.section == section && key.name == name;
    });
}

TEST(SettingsKeys, TheTableHoldsTheMainWindowsKeysAndTheShortcutKeyAsStored) {
    for (const SettingKey& key : ui::kMainWindowKeys) {
        EXPECT_TRUE(InTable(key.section, key.name)) << key.name;
    }
    test::MemoryStore store;
    ASSERT_TRUE(ui::CHotKeyStore(store).StoreHotKey(keys::kHotKeyControlName, 0x72, 0));
    for (const SettingKey& key : {keys::kHotKeyKey, keys::kHotKeyMod}) {
        EXPECT_TRUE(InTable(key.section, key.name)) << key.name;
        EXPECT_TRUE(store.Has(key.section, key.name)) << key.name << " is not what is stored";
    }
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

TEST(OptionsSettings, AnEmptyStoreAndValuesOutOfRangeReadAsTodaysProgram) {
    test::MemoryStore store;
    EXPECT_EQ(ui::ReadOptions(store), RunOptions{});
    for (const ui::OptionKey& option : ui::kOptionKeys) {
        EXPECT_TRUE(InTable(option.key.section, option.key.name)) << option.key.name;
        EXPECT_STREQ(option.key.section, "Settings");
        for (const int value : {option.lowest - 1, option.highest + 1}) {
            store.WriteProfileInt("Settings", option.key.name, value);
        }
    }
    const int writes = store.writeCount();
    EXPECT_EQ(ui::ReadOptions(store), RunOptions{});
    EXPECT_EQ(store.writeCount(), writes) << "reading rewrote a value";
}

TEST(OptionsSettings, EachOptionKeepsItsOwnValueAtTheEdgesOfItsRange) {
    test::MemoryStore store;
    const RunOptions chosen{TriggerButton::Forward, true, false, true, ui::kMostMinutes};
    ASSERT_TRUE(ui::WriteOptions(store, chosen));
    EXPECT_EQ(ui::ReadOptions(store), chosen);
    const RunOptions other{TriggerButton::Middle, false, true, false, 0};
    ASSERT_TRUE(ui::WriteOptions(store, other));
    EXPECT_EQ(ui::ReadOptions(store), other);
}

}  // namespace
}  // namespace quorvel::test
