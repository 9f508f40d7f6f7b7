#include "platform/integer_field.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quorvel::test {
namespace {

using namespace quorvel::win;

TEST(IntegerField, AcceptsSignedDecimalWithBlanksAround) {
    const struct {
        std::string text;
        int value;
    } accepted[] = {
        {"0", 0},
        {"42", 42},
        {"-5", -5},
        {"+7", 7},
        {"  12  ", 12},
        {"\t-3\t", -3},
        {"007", 7},
        {"-0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"00000000000000000000001", 1},
    };
    for (const auto& c : accepted) {
        EXPECT_EQ(ParseIntegerField(c.text), std::optional<int>(c.value)) << '"' << c.text << '"';
    }
}

TEST(IntegerField, RefusesAnythingElse) {
    for (const char* text : {"", "   ", "-", "+", "12a", "a12", "1 2", "1,000", "1.5", "--1", "+-1",
                             "- 1", "0x10", "1e3"}) {
        EXPECT_EQ(ParseIntegerField(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(IntegerField, RefusesValuesOutsideTheSignedRangeInsteadOfWrapping) {
    for (const char* text : {"2147483648", "-2147483649", "4294967296", "99999999999",
                             "-99999999999999999999999999"}) {
        EXPECT_EQ(ParseIntegerField(text), std::nullopt) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace quorvel::test
