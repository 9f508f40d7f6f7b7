#include "store/profile_value.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <span>

namespace quorvel::test {
namespace {

using namespace store;

constexpr std::uint32_t kBinaryValueType = 3;  // REG_BINARY

TEST(ProfileValue, AFourByteDwordReadsAsItsLittleEndianValueNegativesIncluded) {
    const std::array<std::uint8_t, 4> forty{0x28, 0, 0, 0};
    const std::array<std::uint8_t, 4> minusTwo{0xfe, 0xff, 0xff, 0xff};
    EXPECT_EQ(DecodeProfileInt(kDwordValueType, forty, 7), 40);
    EXPECT_EQ(DecodeProfileInt(kDwordValueType, minusTwo, 7), -2);
}

TEST(ProfileValue, AnyOtherTypeOrSizeReadsAsTheDefault) {
    const std::array<std::uint8_t, 8> bytes{1, 2, 3, 4, 5, 6, 7, 8};
    const std::span<const std::uint8_t> all(bytes);
    EXPECT_EQ(DecodeProfileInt(kBinaryValueType, all.first(4), 7), 7);
    EXPECT_EQ(DecodeProfileInt(kDwordValueType, all.first(3), 7), 7);
    EXPECT_EQ(DecodeProfileInt(kDwordValueType, all, 7), 7);
    EXPECT_EQ(DecodeProfileInt(kDwordValueType, all.first(0), -9), -9);
}

}  // namespace
}  // namespace quorvel::test
