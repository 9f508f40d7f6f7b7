#include "ui/main_window_settings.h"

namespace quorvel::ui {

namespace {

struct PauseKey {
    const store::SettingKey& key;
    int ClickSettings::*member;
};

constexpr std::array<PauseKey, 4> kPauseKeys{{
    {store::keys::kPressReleaseMin, &ClickSettings::pressReleaseMin},
    {store::keys::kPressReleaseMax, &ClickSettings::pressReleaseMax},
    {store::keys::kDoubleClickMin, &ClickSettings::doubleClickMin},
    {store::keys::kDoubleClickMax, &ClickSettings::doubleClickMax},
}};

}  // namespace

ClickSettings FirstRunSettings() {
    ClickSettings settings;
    for (const MainWindowKey& key : kMainWindowKeys) settings.*key.member = key.defaultValue;
    for (const PauseKey& pause : kPauseKeys) settings.*pause.member = pause.key.defaultValue;
    return settings;
}

void ReadPauseBounds(store::SettingsStore& settings, ClickSettings& into) {
    // Read at every scheduling, so in one batch: a fast run has a millisecond for all of it.
    std::array<store::ProfileRead, kPauseKeys.size()> reads{};
    for (std::size_t i = 0; i < kPauseKeys.size(); ++i) {
        const store::SettingKey& key = kPauseKeys[i].key;
        reads[i] = {key.name, key.defaultValue, &(into.*kPauseKeys[i].member)};
    }
    settings.GetProfileInts(store::kSettingsSection, reads);
}

void CopyPauseBounds(const ClickSettings& from, ClickSettings& to) {
    for (const PauseKey& pause : kPauseKeys) to.*pause.member = from.*pause.member;
}

}  // namespace quorvel::ui
