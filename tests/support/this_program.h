#pragma once

#include <string>

namespace quorvel::test {

// A path beside the running program, which holds whatever drive letter wine gives the build
// tree; forward slashes in the relative path become backslashes.
std::string BesideThisProgram(const std::string& relativePath);

}  // namespace quorvel::test
