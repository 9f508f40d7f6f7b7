#include "store/profile_value.h"

namespace quorvel::store {

int DecodeProfileInt(std::uint32_t type, std::span<const std::uint8_t> data, int defaultValue) {
    if (type != kDwordValueType || data.size() != kDwordValueSize) return defaultValue;
    std::uint32_t value = 0;
    for (std::size_t i = kDwordValueSize; i-- > 0;) value = (value << 8) | data[i];
    return static_cast<int>(value);  // two's complement, as negatives were written
}

}  // namespace quorvel::store
