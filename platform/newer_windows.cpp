#include "platform/newer_windows.h"

namespace quorvel::win {

namespace {

// Named here rather than taken from the headers, which offer them only to newer targets.
constexpr DWORD kSearchSystem32 = 0x800;
constexpr DWORD kMessageFilterAllow = 1;

using SetDefaultDllDirectoriesCall = BOOL(WINAPI*)(DWORD);
using ChangeWindowMessageFilterExCall = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);

template <typename Call>
Call LookUp(const char* dll, const char* name) {
    const HMODULE module = GetModuleHandleA(dll);
    if (module == nullptr) return nullptr;
    // Through the one function type that converts to any other without a warning.
    return reinterpret_cast<Call>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace

void LoadDllsOnlyFromSystem() {
    const auto setDefault =
        LookUp<SetDefaultDllDirectoriesCall>("kernel32.dll", "SetDefaultDllDirectories");
    if (setDefault != nullptr && setDefault(kSearchSystem32)) return;
    SetDllDirectoryA("");  // takes the current folder out of the search; nothing more to do
}

bool AdmitFromLowerIntegrity(HWND window, UINT message) {
    const auto forWindow =
        LookUp<ChangeWindowMessageFilterExCall>("user32.dll", "ChangeWindowMessageFilterEx");
    if (forWindow != nullptr) {
        return forWindow(window, message, kMessageFilterAllow, nullptr) != FALSE;
    }
    return ChangeWindowMessageFilter(message, MSGFLT_ADD) != FALSE;
}

}  // namespace quorvel::win
