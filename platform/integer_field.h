#pragma once
// The text of an integer field, read the way the dialogs accept it. Portable, so the native unit
// tests reach it.

#include <optional>
#include <string_view>

namespace quorvel::win {

// Optional blanks, an optional sign, decimal digits, optional blanks. Anything else, and any
// value outside the 32-bit signed range, gives no value (the number never wraps).
std::optional<int> ParseIntegerField(std::string_view text);

}  // namespace quorvel::win
