#pragma once
// The units of the two interval lists: index 0 milliseconds, 1 seconds, 2 minutes.

#include <cstdint>
#include <optional>

namespace quorvel {

inline constexpr int kUnitMilliseconds = 0;
inline constexpr int kUnitSeconds = 1;
inline constexpr int kUnitMinutes = 2;

// Nothing for an index outside 0..2 (no unit selected).
constexpr std::optional<std::int64_t> MillisecondsPerUnit(int unitIndex) {
    switch (unitIndex) {
    case kUnitMilliseconds:
        return 1;
    case kUnitSeconds:
        return 1000;
    case kUnitMinutes:
        return 60000;
    default:
        return std::nullopt;
    }
}

}  // namespace quorvel
