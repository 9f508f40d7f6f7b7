#pragma once
// printf-style formatting of the program's fixed texts ("%s", "%d", "%u").

#include <string>

namespace quorvel {

std::string Format(const char* format, ...);

}  // namespace quorvel
