#pragma once
// The full path of the running program's own file.

#include <string>

namespace quorvel::win {

// In the wide form, which holds any folder name; grows its buffer until the whole path fits,
// however long it is.
std::wstring OwnExecutablePath();

}  // namespace quorvel::win
