#pragma once
// The full path of the running program's own file.

#include <string>

namespace quorvel::win {

// Grows its buffer until the whole path fits, however long it is.
std::string OwnExecutablePath();

}  // namespace quorvel::win
