#include "platform/web_page.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/desktop_shell.h"
#include "platform/handles.h"

namespace quorvel::win {

namespace {

bool RunsElevated() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    const UniqueHandle owned(token);
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    return GetTokenInformation(owned.get(), TokenElevation, &elevation, sizeof(elevation), &size) &&
           elevation.TokenIsElevated != 0;
}

std::wstring Widened(const std::string& address) {
    return std::wstring(address.begin(), address.end());  // web addresses are ASCII
}

}  // namespace

void OpenWebPage(const std::string& address) {
    // Opened from here, an elevated program would start the browser as administrator, and would
    // look up the handler among the user's classes, which any program of the user may rewrite.
    // The desktop's shell opens it at the user's own level instead.
    if (RunsElevated() && ShellExecuteOnDesktop(Widened(address), L"Open", SW_SHOWMAXIMIZED)) {
        return;
    }
    ShellExecuteA(nullptr, "Open", address.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

}  // namespace quorvel::win
