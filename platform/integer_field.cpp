#include "platform/integer_field.h"

#include <cstdint>
#include <limits>

namespace quorvel::win {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<int> ParseIntegerField(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;

    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    // The magnitude is bounded as it grows, so a long run of digits cannot overflow.
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    std::int64_t magnitude = 0;
    const std::size_t digitsStart = pos;
    while (pos < text.size() && IsDigit(text[pos])) {
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > limit) return std::nullopt;
        ++pos;
    }
    if (pos == digitsStart) return std::nullopt;

    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    if (pos != text.size()) return std::nullopt;

    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace quorvel::win
