// Arbitrary bytes as the text of an integer field: never a crash, and the parser agrees with
// an independent reading built on std::from_chars.

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_input.h"
#include "platform/integer_field.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// from_chars takes a minus sign but no plus, and refuses what does not fit an int.
std::optional<int> ReferenceReading(std::string_view text) {
    text = TrimBlanks(text);
    if (text.size() > 1 && text[0] == '+' && text[1] >= '0' && text[1] <= '9') {
        text.remove_prefix(1);
    }
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<int> parsed = quorvel::win::ParseIntegerField(text);

    FUZZ_CHECK(parsed == ReferenceReading(text));
    if (parsed) {
        FUZZ_CHECK(quorvel::win::ParseIntegerField(std::to_string(*parsed)) == parsed);
    }
    return 0;
}
