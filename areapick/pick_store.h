#pragma once
// Hands the pick back to the main program through the settings store.

#include <optional>

#include "store/settings_store.h"
#include "areapick/selection.h"

namespace quorvel::areapick {

// A cancelled pick is stored as four zeros, which the main program takes as "no area".
// Returns whether all four values were written.
bool StorePick(store::SettingsStore& settings, const std::optional<Pick>& pick);

}  // namespace quorvel::areapick
