#pragma once
// The Options as the store keeps them: one key each, read with its range. A value out of range
// reads as the key's default and stays stored as it was until the dialog writes anew.

#include <array>

#include "engine/run_options.h"
#include "store/settings_keys.h"
#include "store/settings_store.h"

namespace quorvel::ui {

struct OptionKey {
    store::SettingKey key;
    int lowest;
    int highest;
};

// The up-down of the time limit goes no further.
inline constexpr int kMostMinutes = 9999;

inline constexpr std::array<OptionKey, 5> kOptionKeys{{
    {store::keys::kTriggerButton, 0, 3},
    {store::keys::kHoldToClick, 0, 1},
    {store::keys::kExtraModifiers, 0, 1},
    {store::keys::kStopOnMouseMove, 0, 1},
    {store::keys::kStopAfterMinutes, 0, kMostMinutes},
}};

RunOptions ReadOptions(store::SettingsStore& settings);
// Each value in turn; the first failed write's status, if one failed.
store::WriteStatus WriteOptions(store::SettingsStore& settings, const RunOptions& options);

}  // namespace quorvel::ui
