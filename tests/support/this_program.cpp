#include "tests/support/this_program.h"

#include <windows.h>

#include <algorithm>

namespace quorvel::test {

std::string BesideThisProgram(const std::string& relativePath) {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string file(path, length);
    std::string relative = relativePath;
    std::replace(relative.begin(), relative.end(), '/', '\\');
    return file.substr(0, file.find_last_of("\\/") + 1) + relative;
}

}  // namespace quorvel::test
