#include <gtest/gtest.h>

#include <vector>

#include "memory_store.h"
#include "ui/hotkey_latch.h"
#include "ui/hotkey_modifiers.h"
#include "ui/hotkey_store.h"

namespace quorvel::test {
namespace {

using namespace quorvel::ui;

constexpr char kName[] = "m_ctrlHotKeyStartStopClicks";
constexpr std::uint16_t kShift = 1, kCtrl = 2, kAlt = 4, kExtended = 8;
constexpr std::uint16_t kModAlt = 1, kModCtrl = 2, kModShift = 4;

TEST(HotKeyModifiers, SwapShiftAndAltKeepCtrlAndDropEverythingElse) {
    EXPECT_EQ(ToRegistrationModifiers(kShift), kModShift);
    EXPECT_EQ(ToRegistrationModifiers(kCtrl), kModCtrl);
    EXPECT_EQ(ToRegistrationModifiers(kAlt), kModAlt);
    EXPECT_EQ(ToRegistrationModifiers(kShift | kCtrl | kAlt | kExtended),
              kModShift | kModCtrl | kModAlt);
    EXPECT_EQ(ToRegistrationModifiers(0xFFF8), 0);
    EXPECT_EQ(ToControlModifiers(kModAlt | kModShift), kAlt | kShift);
    for (std::uint16_t flags = 0; flags < 8; ++flags) {
        EXPECT_EQ(ToControlModifiers(ToRegistrationModifiers(flags)), flags);
    }
}

TEST(HotKeyModifiers, ExtraModifiersAddEveryCombinationOfThoseTheShortcutLacks) {
    using Combinations = std::vector<std::uint16_t>;
    EXPECT_EQ(WithExtraModifiers(0), (Combinations{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(WithExtraModifiers(kModCtrl | kModShift),
              (Combinations{kModCtrl | kModShift | kModAlt}));
    EXPECT_EQ(WithExtraModifiers(kModAlt | 0x4000), (Combinations{0x4003, 0x4005, 0x4007}));
    EXPECT_TRUE(WithExtraModifiers(7).empty());
}

TEST(HotKeyLatch, AKeyHeldDownIsOnePressUntilItIsSeenUp) {
    constexpr std::uint16_t kF8 = 0x77;
    HotKeyLatch latch;
    EXPECT_TRUE(latch.Press(kF8));
    for (int repeat = 0; repeat < 11; ++repeat) {
        latch.SeenDown(true);
        EXPECT_FALSE(latch.Press(kF8)) << repeat;
    }
    EXPECT_TRUE(latch.Press(0x76)) << "another key is a press of its own";
    latch.SeenDown(false);
    EXPECT_FALSE(latch.HeldKey().has_value());
    EXPECT_TRUE(latch.Press(kF8)) << "after the key went up, the next press counts";
    latch.SeenDown(false);
    EXPECT_TRUE(latch.Press(0));
    EXPECT_TRUE(latch.Press(0)) << "a message that names no key is never a repeat";
}

TEST(HotKeyStore, StoresTheCodeAndRegistrationFormAndLoadsBothForms) {
    test::MemoryStore store;
    CHotKeyStore hotKeys(store);
    ASSERT_TRUE(hotKeys.StoreHotKey(kName, 0x72, kCtrl | kShift | kExtended));
    EXPECT_EQ(store.GetProfileInt("Settings", "m_ctrlHotKeyStartStopClicks Key", -1), 0x72);
    EXPECT_EQ(store.GetProfileInt("Settings", "m_ctrlHotKeyStartStopClicks Mod", -1),
              kModCtrl | kModShift);

    const StoredHotKey loaded = hotKeys.LoadHotKey(kName);
    EXPECT_EQ(loaded.virtualKey, 0x72);
    EXPECT_EQ(loaded.registrationFlags, kModCtrl | kModShift);
    EXPECT_EQ(loaded.controlFlags, kCtrl | kShift);  // the extended flag is not kept
}

TEST(HotKeyStore, LoadsNothingFromAnEmptyStoreAndOnlyTheLow16BitsOfOddValues) {
    test::MemoryStore store;
    CHotKeyStore hotKeys(store);
    const StoredHotKey empty = hotKeys.LoadHotKey(kName);
    EXPECT_EQ(empty.virtualKey, 0);
    EXPECT_EQ(empty.controlFlags, 0);

    store.WriteProfileInt("Settings", "m_ctrlHotKeyStartStopClicks Key", 0x12345);
    store.WriteProfileInt("Settings", "m_ctrlHotKeyStartStopClicks Mod", -1);
    const StoredHotKey odd = hotKeys.LoadHotKey(kName);
    EXPECT_EQ(odd.virtualKey, 0x2345);
    EXPECT_EQ(odd.registrationFlags, 0xFFFF);
    EXPECT_EQ(odd.controlFlags, kShift | kCtrl | kAlt);
}

TEST(HotKeyStore, AFailedKeyWriteLeavesTheModifiersUntried) {
    test::MemoryStore store;
    CHotKeyStore hotKeys(store);
    ASSERT_TRUE(hotKeys.StoreHotKey(kName, 0x70, kAlt));
    store.RefuseWrites(true);
    const int writesBefore = store.writeCount();
    EXPECT_FALSE(hotKeys.StoreHotKey(kName, 0x71, kCtrl));
    EXPECT_EQ(store.writeCount(), writesBefore + 1);
    EXPECT_EQ(hotKeys.LoadHotKey(kName).registrationFlags, kModAlt);
}

}  // namespace
}  // namespace quorvel::test
