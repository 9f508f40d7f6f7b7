#include "platform/newer_windows.h"

#include <timeapi.h>

#include <string>

namespace quorvel::win {

namespace {

// Named here rather than taken from the headers, which offer them only to newer targets.
constexpr DWORD kSearchSystem32 = 0x800;
constexpr DWORD kMessageFilterAllow = 1;
constexpr DWORD kCreateWaitableTimerHighResolution = 0x2;
constexpr UINT kModNoRepeat = 0x4000;
constexpr char kWithoutHighResolutionTimer[] = "QUORVEL_WITHOUT_HIGH_RESOLUTION_TIMER";

using SetDefaultDllDirectoriesCall = BOOL(WINAPI*)(DWORD);
using ChangeWindowMessageFilterExCall = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
using SetProcessInformationCall = BOOL(WINAPI*)(HANDLE, PROCESS_INFORMATION_CLASS, LPVOID, DWORD);
using TimePeriodCall = MMRESULT(WINAPI*)(UINT);

template <typename Call>
Call LookUp(HMODULE module, const char* name) {
    if (module == nullptr) return nullptr;
    // Through the one function type that converts to any other without a warning.
    return reinterpret_cast<Call>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

template <typename Call>
Call LookUp(const char* dll, const char* name) {
    return LookUp<Call>(GetModuleHandleA(dll), name);
}

// Windows knows the search flags exactly where it has SetDefaultDllDirectories (Windows 8, or
// Vista and 7 with KB2533623); elsewhere the full path says where to look, and the altered
// search has the DLL's own dependencies looked for in its folder, not beside the program.
HMODULE LoadFromSystemFolder(const wchar_t* dll) {
    if (LookUp<SetDefaultDllDirectoriesCall>("kernel32.dll", "SetDefaultDllDirectories")) {
        return LoadLibraryExW(dll, nullptr, kSearchSystem32);
    }
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, length) + L"\\" + dll;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

// Loaded once and kept for the life of the process.
HMODULE Winmm() {
    static const HMODULE winmm = LoadFromSystemFolder(L"winmm.dll");
    return winmm;
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

void KeepTimerResolutionWhileHidden() {
    const auto setProcessInformation =
        LookUp<SetProcessInformationCall>("kernel32.dll", "SetProcessInformation");
    if (setProcessInformation == nullptr) return;
    PROCESS_POWER_THROTTLING_STATE state{};
    state.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
    state.ControlMask = PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION;
    state.StateMask = 0;
    // A system that does not know the class refuses it; the timers then work as they are.
    setProcessInformation(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof(state));
}

HANDLE CreateHighResolutionTimer() {
    // The tests run the program as Windows before 10, version 1803, would: it only ever makes
    // the waits coarser, which a user could choose to no harm.
    if (GetEnvironmentVariableA(kWithoutHighResolutionTimer, nullptr, 0) != 0) return nullptr;
    // Older systems refuse the flag they do not know.
    return CreateWaitableTimerExW(nullptr, nullptr, kCreateWaitableTimerHighResolution,
                                  TIMER_ALL_ACCESS);
}

UINT NoRepeatModifier() {
    OSVERSIONINFOEXW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    version.dwMajorVersion = 6;
    version.dwMinorVersion = 1;
    DWORDLONG condition = 0;
    condition = VerSetConditionMask(condition, VER_MAJORVERSION, VER_GREATER_EQUAL);
    condition = VerSetConditionMask(condition, VER_MINORVERSION, VER_GREATER_EQUAL);
    const bool seven =
        VerifyVersionInfoW(&version, VER_MAJORVERSION | VER_MINORVERSION, condition) != FALSE;
    return seven ? kModNoRepeat : 0;
}

bool BeginTimerResolution(UINT milliseconds) {
    const auto begin = LookUp<TimePeriodCall>(Winmm(), "timeBeginPeriod");
    return begin != nullptr && begin(milliseconds) == TIMERR_NOERROR;
}

void EndTimerResolution(UINT milliseconds) {
    const auto end = LookUp<TimePeriodCall>(Winmm(), "timeEndPeriod");
    if (end != nullptr) end(milliseconds);
}

}  // namespace quorvel::win
