#include "app/registry_store.h"

#include <windows.h>

#include "platform/handles.h"

namespace quorvel::win {

namespace {

bool IsUsableName(const char* name) { return name != nullptr && *name != '\0'; }

}  // namespace

void RegistryStore::SetRoot(const std::string& company, const std::string& application) {
    if (company.empty() || application.empty()) {
        root_.clear();
        return;
    }
    root_ = "Software\\" + company + "\\" + application;
}

std::string RegistryStore::SectionPath(const char* section) const { return root_ + "\\" + section; }

int RegistryStore::GetProfileInt(const char* section, const char* key, int defaultValue) {
    if (!IsRooted() || !IsUsableName(section) || !IsUsableName(key)) return defaultValue;

    // Opening, unlike creating, leaves a missing key missing.
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_QUERY_VALUE,
                      &opened) != ERROR_SUCCESS) {
        return defaultValue;
    }
    UniqueKey sectionKey(opened);

    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    // A longer value fails with ERROR_MORE_DATA; a shorter one or another type is refused here.
    if (RegQueryValueExA(sectionKey.get(), key, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value) {
        return defaultValue;
    }
    return static_cast<int>(value);
}

bool RegistryStore::WriteProfileInt(const char* section, const char* key, int value) {
    if (!IsRooted() || !IsUsableName(section) || !IsUsableName(key)) return false;

    HKEY created = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &created,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    UniqueKey sectionKey(created);

    const DWORD stored = static_cast<DWORD>(value);  // negatives as two's complement
    return RegSetValueExA(sectionKey.get(), key, 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&stored), sizeof stored) == ERROR_SUCCESS;
}

}  // namespace quorvel::win
