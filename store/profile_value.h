#pragma once
// How a value read from the registry becomes a profile integer. Portable, so that the decoding
// is tested and fuzzed without a registry.

#include <cstdint>
#include <span>

namespace quorvel::store {

inline constexpr std::uint32_t kDwordValueType = 4;  // REG_DWORD
inline constexpr std::size_t kDwordValueSize = 4;

// The value's bytes as stored (little-endian) when it is a REG_DWORD of exactly 4 bytes;
// anything else reads as defaultValue.
int DecodeProfileInt(std::uint32_t type, std::span<const std::uint8_t> data, int defaultValue);

}  // namespace quorvel::store
