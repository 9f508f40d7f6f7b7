#include "platform/module_path.h"

#include <windows.h>

#include <vector>

namespace quorvel::win {

std::wstring OwnExecutablePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2);  // cut off: the path is longer than the buffer
    }
}

}  // namespace quorvel::win
