#include "tests/support/foreground.h"
#include "tests/support/keyboard.h"
#include "tests/support/mouse.h"
#include "tests/support/registry_probe.h"
#include "tests/support/texts_and_ids.h"
#include "tests/support/wait.h"
#include "quorvel_test.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

namespace quorvel::test {
namespace {

using StoredValues = std::map<std::string, int>;

// The fourteen keys that every change of the main window writes, with their first-run values.
const StoredValues kInitialValues = {
    {"m_iClickLocation", 0},
    {"m_iLocX", 0},
    {"m_iLocY", 0},
    {"m_iLocWidth", 100},
    {"m_iLocHeight", 100},
    {"m_iHowManyClicks", 1},
    {"m_iFixedClicksCount", 10},
    {"m_iDelayBetweenClicks", 1},
    {"m_iRandomDelayFrom", 1},
    {"m_iRandomDelayTo", 100},
    {"m_iFixedDelayInClicks", 10},
    {"m_iRadioClickType", 0},
    {"m_ctrlComboFixedDelayScales", 0},
    {"m_ctrlRandomDelayScales", 0},
};

StoredValues InitialValuesWith(const StoredValues& changes) {
    StoredValues expected = kInitialValues;
    for (const auto& [name, value] : changes) {
        expected[name] = value;
    }
    return expected;
}

void ExpectStored(const StoredValues& expected) {
    for (const auto& [name, value] : expected) {
        const auto stored = RegistryProbe::Read("Settings", name);
        ASSERT_TRUE(stored.has_value()) << name << " was not written";
        EXPECT_EQ(static_cast<int>(*stored), value) << name;
    }
}

bool StoredBecomes(const std::string& name, int value) {
    return WaitUntil(
        [&] {
            const auto stored = RegistryProbe::Read("Settings", name);
            return stored.has_value() && static_cast<int>(*stored) == value;
        },
        kPromptMs);
}

// A real click on the upper (up arrow) or lower half of an up-down control.
void ClickArrow(const MainWindow& window, int upDownId, bool up) {
    const RECT arrows = window.ScreenRect(upDownId);
    const LONG quarter = (arrows.bottom - arrows.top) / 4;
    ClickWithLeftButton({(arrows.left + arrows.right) / 2,
                         up ? arrows.top + quarter : arrows.bottom - 1 - quarter});
}

using SettingsPersistence = QuorvelTest;

TEST_F(SettingsPersistence, TypingIntoAFieldWritesAllSettingsAsTyped) {
    ASSERT_NO_FATAL_FAILURE(Launch());

    window().Type(id::kLocX, "25");
    ExpectStored(InitialValuesWith({{"m_iLocX", 25}}));

    window().Type(id::kLocWidth, "-5");
    window().Type(id::kClickCount, "0");
    ExpectStored(
        InitialValuesWith({{"m_iLocX", 25}, {"m_iLocWidth", -5}, {"m_iFixedClicksCount", 0}}));
}

// A count above 100 catches the control's default range of 100 down to 0 as well.
TEST_F(SettingsPersistence, ArrowClicksStepTheFieldUpOrDownAndSaveIt) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_TRUE(BringToForeground(window().handle(), kPromptMs));
    window().Type(id::kClickCount, "500");

    ClickArrow(window(), id::kSpinClickCount, true);
    EXPECT_TRUE(StoredBecomes("m_iFixedClicksCount", 501)) << window().Text(id::kClickCount);
    ClickArrow(window(), id::kSpinClickCount, false);
    EXPECT_TRUE(StoredBecomes("m_iFixedClicksCount", 500)) << window().Text(id::kClickCount);

    window().Click(id::kInRectangleRadio);
    ClickArrow(window(), id::kSpinLocWidth, true);
    EXPECT_TRUE(StoredBecomes("m_iLocWidth", 101)) << window().Text(id::kLocWidth);
}

TEST_F(SettingsPersistence, EachKeystrokeIsSavedAndARefusedTextBringsTheMessage) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_TRUE(BringToForeground(window().handle(), kPromptMs));
    const RECT field = window().ScreenRect(id::kClickCount);
    ClickWithLeftButton({(field.left + field.right) / 2, (field.top + field.bottom) / 2});
    ASSERT_TRUE(WaitUntil(
        [&] {
            return FocusInThreadOf(window().handle()) ==
                   GetDlgItem(window().handle(), id::kClickCount);
        },
        kPromptMs));

    PressCombination(0, VK_END);
    PressCombination(0, '5');
    EXPECT_TRUE(StoredBecomes("m_iFixedClicksCount", 105)) << window().Text(id::kClickCount);
    PressCombination(0, '7');
    EXPECT_TRUE(StoredBecomes("m_iFixedClicksCount", 1057)) << window().Text(id::kClickCount);

    // A lone minus sign is no integer.
    PressCombination(0, VK_HOME);
    PressCombination(MOD_SHIFT, VK_END);
    PressCombination(0, VK_OEM_MINUS);
    EXPECT_NE(DismissNextMessageBox().find("integer"), std::string::npos);
    EXPECT_EQ(RegistryProbe::Read("Settings", "m_iFixedClicksCount"), 1057u);
}

TEST_F(SettingsPersistence, ClickingARadioButtonWritesAllSettings) {
    ASSERT_NO_FATAL_FAILURE(Launch());

    window().Click(id::kRightDoubleRadio);

    ExpectStored(InitialValuesWith({{"m_iRadioClickType", 3}}));
}

TEST_F(SettingsPersistence, PickingAUnitWritesAllSettings) {
    ASSERT_NO_FATAL_FAILURE(Launch());

    window().Pick(id::kRandomDelayUnit, 1);
    ExpectStored(InitialValuesWith({{"m_ctrlRandomDelayScales", 1}}));

    window().Pick(id::kFixedDelayUnit, 2);
    ExpectStored(
        InitialValuesWith({{"m_ctrlRandomDelayScales", 1}, {"m_ctrlComboFixedDelayScales", 2}}));
}

TEST_F(SettingsPersistence, LowerBoundAtOrAboveUpperBoundRaisesTheUpperBound) {
    ASSERT_NO_FATAL_FAILURE(Launch());

    // The fixed interval is selected, and the random bounds are kept in order all the same.
    window().Type(id::kRandomDelayFrom, "150");
    EXPECT_EQ(window().Text(id::kRandomDelayTo), "151");
    ExpectStored(InitialValuesWith({{"m_iRandomDelayFrom", 150}, {"m_iRandomDelayTo", 151}}));

    window().Click(id::kRandomDelayRadio);
    window().Type(id::kRandomDelayFrom, "151");
    EXPECT_EQ(window().Text(id::kRandomDelayTo), "152");
    ExpectStored(InitialValuesWith(
        {{"m_iDelayBetweenClicks", 0}, {"m_iRandomDelayFrom", 151}, {"m_iRandomDelayTo", 152}}));
}

TEST_F(SettingsPersistence, ClearedFieldAsksForAnIntegerAndWritesNothing) {
    ASSERT_NO_FATAL_FAILURE(Launch());

    window().StartTyping(id::kLocY, "");
    std::string message = DismissNextMessageBox();

    std::transform(message.begin(), message.end(), message.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_NE(message.find("integer"), std::string::npos) << message;
    // A round trip: the window has finished handling the change once it answers.
    window().Text(id::kLocY);
    EXPECT_FALSE(RegistryProbe::SectionExists("Settings"));
}

}  // namespace
}  // namespace quorvel::test
