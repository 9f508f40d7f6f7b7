#pragma once
// The current local date and time as text, in the user's own format.

#include <string>

namespace quorvel::win {

// Short date, a blank, then the time.
std::string LocalDateTimeText();

}  // namespace quorvel::win
