#include "tests/support/messaging.h"

#include "tests/support/wait.h"

#include <vector>

namespace quorvel::test {

namespace {

// The text in two questions, both within one time-out; nothing when either goes unanswered.
std::optional<std::string> AskText(HWND window, UINT flags, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, flags, timeoutMs, &length)) {
        return std::nullopt;
    }
    const ULONGLONG now = GetTickCount64();
    const DWORD remaining = now < deadline ? static_cast<DWORD>(deadline - now) : 1;
    std::vector<char> buffer(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(),
                             reinterpret_cast<LPARAM>(buffer.data()), flags, remaining, &copied)) {
        return std::nullopt;
    }
    return std::string(buffer.data(), copied);
}

}  // namespace

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kPromptMs, &result);
    return static_cast<LRESULT>(result);
}

std::string TextOf(HWND window) { return AskText(window, SMTO_NORMAL, kPromptMs).value_or(""); }

std::optional<std::string> TextWithin(HWND window, DWORD timeoutMs) {
    return AskText(window, SMTO_ABORTIFHUNG, timeoutMs);
}

}  // namespace quorvel::test
