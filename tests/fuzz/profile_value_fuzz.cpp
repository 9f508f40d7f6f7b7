// Arbitrary registry values: a type, then the stored bytes. Only a 4-byte REG_DWORD reads as
// its value; everything else reads as the caller's default.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "store/profile_value.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quorvel::test::FuzzInput input(data, size);
    const std::uint32_t type = input.Uint32();
    const int defaultValue = input.Int32();
    const std::span<const std::uint8_t> stored =
        size > 8 ? std::span(data + 8, size - 8) : std::span<const std::uint8_t>();

    const int read = quorvel::store::DecodeProfileInt(type, stored, defaultValue);

    if (type == quorvel::store::kDwordValueType &&
        stored.size() == quorvel::store::kDwordValueSize) {
        std::uint32_t expected = 0;
        for (std::size_t i = 0; i < 4; ++i) expected |= std::uint32_t{stored[i]} << (8 * i);
        FUZZ_CHECK(static_cast<std::uint32_t>(read) == expected);
    } else {
        FUZZ_CHECK(read == defaultValue);
    }
    return 0;
}
