#pragma once
// The shortcut key's modifiers come in two forms: the hot-key control's (Shift 1, Ctrl 2, Alt 4,
// extended 8) and global registration's (Alt 1, Ctrl 2, Shift 4). Both conversions swap bits 0
// and 2 and keep bit 1; every other bit, the extended flag among them, is dropped.

#include <cstdint>
#include <vector>

namespace quorvel::ui {

std::uint16_t ToRegistrationModifiers(std::uint16_t controlFlags);
std::uint16_t ToControlModifiers(std::uint16_t registrationFlags);

// The registration-form modifiers of the shortcut with Shift, Ctrl or Alt held beyond its own:
// each combination that adds at least one of those it lacks (none when it has all three).
std::vector<std::uint16_t> WithExtraModifiers(std::uint16_t registrationFlags);

}  // namespace quorvel::ui
