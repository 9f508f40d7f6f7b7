#pragma once
// The main window's settings: which store key holds each, with its default, and the field of
// the click settings it fills. Loading, saving and the first-run values all go by this table.

#include <array>
#include <cstddef>

#include "engine/click_settings.h"
#include "store/settings_keys.h"
#include "store/settings_store.h"

namespace quorvel::ui {

struct MainWindowKey : store::SettingKey {
    int ClickSettings::*member;
};

// In the order in which the settings are loaded and saved.
inline constexpr std::array<MainWindowKey, 14> kMainWindowKeys{{
    {store::keys::kClickLocation, &ClickSettings::clickLocation},
    {store::keys::kLocX, &ClickSettings::locX},
    {store::keys::kLocY, &ClickSettings::locY},
    {store::keys::kLocWidth, &ClickSettings::locWidth},
    {store::keys::kLocHeight, &ClickSettings::locHeight},
    {store::keys::kHowManyClicks, &ClickSettings::howManyClicks},
    {store::keys::kFixedClicksCount, &ClickSettings::fixedClicksCount},
    {store::keys::kDelayBetweenClicks, &ClickSettings::delayBetweenClicks},
    {store::keys::kRandomDelayFrom, &ClickSettings::randomDelayFrom},
    {store::keys::kRandomDelayTo, &ClickSettings::randomDelayTo},
    {store::keys::kFixedDelayInClicks, &ClickSettings::fixedDelayInClicks},
    {store::keys::kRadioClickType, &ClickSettings::radioClickType},
    // The unit lists' positions, read when the lists are filled rather than with the others.
    {store::keys::kFixedDelayScale, &ClickSettings::fixedDelayScale},
    {store::keys::kRandomDelayScale, &ClickSettings::randomDelayScale},
}};

// How many keys, from the first, are read when the window loads its settings.
inline constexpr std::size_t kKeysLoadedWithTheWindow = 12;

// The values of a first run: every setting, and every pause bound, at its store default.
ClickSettings FirstRunSettings();

// The four pause bounds as stored now, each missing one at its default.
void ReadPauseBounds(store::SettingsStore& settings, ClickSettings& into);
void CopyPauseBounds(const ClickSettings& from, ClickSettings& to);

}  // namespace quorvel::ui
