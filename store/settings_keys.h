#pragma once
// Every key of the store in one place: its section, its name and the default its readers pass.

#include <array>

#include "store/settings_store.h"

namespace quorvel::store {

inline constexpr char kSettingsSection[] = "Settings";
inline constexpr char kSocialSection[] = "Social";

struct SettingKey {
    const char* section;
    const char* name;
    int defaultValue;
};

namespace keys {

// The main window's own keys, in the order in which its settings are loaded and saved.
inline constexpr SettingKey kClickLocation{kSettingsSection, "m_iClickLocation", 0};
inline constexpr SettingKey kLocX{kSettingsSection, "m_iLocX", 0};
inline constexpr SettingKey kLocY{kSettingsSection, "m_iLocY", 0};
inline constexpr SettingKey kLocWidth{kSettingsSection, "m_iLocWidth", 100};
inline constexpr SettingKey kLocHeight{kSettingsSection, "m_iLocHeight", 100};
inline constexpr SettingKey kHowManyClicks{kSettingsSection, "m_iHowManyClicks", 1};
inline constexpr SettingKey kFixedClicksCount{kSettingsSection, "m_iFixedClicksCount", 10};
inline constexpr SettingKey kDelayBetweenClicks{kSettingsSection, "m_iDelayBetweenClicks", 1};
inline constexpr SettingKey kRandomDelayFrom{kSettingsSection, "m_iRandomDelayFrom", 1};
inline constexpr SettingKey kRandomDelayTo{kSettingsSection, "m_iRandomDelayTo", 100};
inline constexpr SettingKey kFixedDelayInClicks{kSettingsSection, "m_iFixedDelayInClicks", 10};
inline constexpr SettingKey kRadioClickType{kSettingsSection, "m_iRadioClickType", 0};
inline constexpr SettingKey kFixedDelayScale{kSettingsSection, "m_ctrlComboFixedDelayScales", 0};
inline constexpr SettingKey kRandomDelayScale{kSettingsSection, "m_ctrlRandomDelayScales", 0};

// The shortcut key's two names are formed at run time from the control's name; the two keys
// below are what that gives.
inline constexpr char kHotKeyControlName[] = "m_ctrlHotKeyStartStopClicks";
inline constexpr char kHotKeyKeyFormat[] = "%s Key";
inline constexpr char kHotKeyModFormat[] = "%s Mod";
inline constexpr SettingKey kHotKeyKey{kSettingsSection, "m_ctrlHotKeyStartStopClicks Key", 0};
inline constexpr SettingKey kHotKeyMod{kSettingsSection, "m_ctrlHotKeyStartStopClicks Mod", 0};

// Bounds of the pauses inside a click, in milliseconds.
inline constexpr SettingKey kPressReleaseMin{kSettingsSection, "MDMU_MIN_DELAY", 50};
inline constexpr SettingKey kPressReleaseMax{kSettingsSection, "MDMU_MAX_DELAY", 200};
inline constexpr SettingKey kDoubleClickMin{kSettingsSection, "DOUBLE_CLICKS_MIN_DELAY", 20};
inline constexpr SettingKey kDoubleClickMax{kSettingsSection, "DOUBLE_CLICKS_MAX_DELAY", 70};

// The Options dialog's; each default keeps the program as it is without them.
inline constexpr SettingKey kTriggerButton{kSettingsSection, "TriggerButton", 0};
inline constexpr SettingKey kHoldToClick{kSettingsSection, "HoldToClick", 0};
inline constexpr SettingKey kExtraModifiers{kSettingsSection, "ShortcutWithExtraModifiers", 0};
inline constexpr SettingKey kStopOnMouseMove{kSettingsSection, "StopOnMouseMove", 0};
inline constexpr SettingKey kStopAfterMinutes{kSettingsSection, "StopAfterMinutes", 0};

inline constexpr SettingKey kInfoMessageDisplayed{kSettingsSection, "vl_iInfoMessageDisplayed", 0};

// Written by the area picker only; read right after it exits.
inline constexpr SettingKey kPickStartX{kSettingsSection, "m_oStartingPoint.x", 0};
inline constexpr SettingKey kPickStartY{kSettingsSection, "m_oStartingPoint.y", 0};
inline constexpr SettingKey kPickEndX{kSettingsSection, "m_oClosingPoint.x", 0};
inline constexpr SettingKey kPickEndY{kSettingsSection, "m_oClosingPoint.y", 0};

inline constexpr SettingKey kTwittered{kSocialSection, "Twittered", 0};
inline constexpr SettingKey kFacebooked{kSocialSection, "Facebooked", 0};
inline constexpr SettingKey kGoogled{kSocialSection, "Googled", 0};

}  // namespace keys

// Every key above: what goes through all of the store's keys goes by this table, so a new key
// belongs here too.
inline constexpr std::array kAllKeys{
    keys::kClickLocation,
    keys::kLocX,
    keys::kLocY,
    keys::kLocWidth,
    keys::kLocHeight,
    keys::kHowManyClicks,
    keys::kFixedClicksCount,
    keys::kDelayBetweenClicks,
    keys::kRandomDelayFrom,
    keys::kRandomDelayTo,
    keys::kFixedDelayInClicks,
    keys::kRadioClickType,
    keys::kFixedDelayScale,
    keys::kRandomDelayScale,
    keys::kHotKeyKey,
    keys::kHotKeyMod,
    keys::kPressReleaseMin,
    keys::kPressReleaseMax,
    keys::kDoubleClickMin,
    keys::kDoubleClickMax,
    keys::kTriggerButton,
    keys::kHoldToClick,
    keys::kExtraModifiers,
    keys::kStopOnMouseMove,
    keys::kStopAfterMinutes,
    keys::kInfoMessageDisplayed,
    keys::kPickStartX,
    keys::kPickStartY,
    keys::kPickEndX,
    keys::kPickEndY,
    keys::kTwittered,
    keys::kFacebooked,
    keys::kGoogled,
};

// Section "Settings", with the default or value given at the call.
int ReadSetting(SettingsStore& store, const char* key, int defaultValue);
void WriteSetting(SettingsStore& store, const char* key, int value);

// A key of the table, in its own section and with its own default.
int ReadKey(SettingsStore& store, const SettingKey& key);
WriteStatus WriteKey(SettingsStore& store, const SettingKey& key, int value);

}  // namespace quorvel::store
