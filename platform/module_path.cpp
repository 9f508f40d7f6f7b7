#include "platform/module_path.h"

#include <windows.h>

#include <vector>

namespace quorvel::win {

std::string OwnExecutablePath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);  // cut off: the path is longer than the buffer
    }
}

}  // namespace quorvel::win
