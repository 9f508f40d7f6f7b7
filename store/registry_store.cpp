#include "store/registry_store.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <span>

#include "store/profile_value.h"

namespace quorvel::store {

namespace {

bool IsUsableName(const char* name) { return name != nullptr && *name != '\0'; }

int ReadValue(const win::UniqueKey& sectionKey, const char* key, int defaultValue) {
    if (!sectionKey || !IsUsableName(key)) return defaultValue;
    DWORD type = 0;
    std::array<std::uint8_t, kDwordValueSize> data{};
    DWORD size = static_cast<DWORD>(data.size());
    // A longer value fails with ERROR_MORE_DATA; a shorter one or another type is refused by
    // the decoding.
    if (RegQueryValueExA(sectionKey.get(), key, nullptr, &type, data.data(), &size) !=
            ERROR_SUCCESS ||
        size > data.size()) {
        return defaultValue;
    }
    static_assert(REG_DWORD == kDwordValueType);
    return DecodeProfileInt(type, std::span(data).first(size), defaultValue);
}

}  // namespace

void RegistryStore::SetRoot(const std::string& company, const std::string& application) {
    if (company.empty() || application.empty()) {
        root_.clear();
        return;
    }
    root_ = parentKey_ + "\\" + company + "\\" + application;
}

std::string RegistryStore::SectionPath(const char* section) const { return root_ + "\\" + section; }

win::UniqueKey RegistryStore::OpenSection(const char* section) const {
    if (!IsRooted() || !IsUsableName(section)) return {};
    // Opening, unlike creating, leaves a missing key missing.
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_QUERY_VALUE,
                      &opened) != ERROR_SUCCESS) {
        return {};
    }
    return win::UniqueKey(opened);
}

int RegistryStore::GetProfileInt(const char* section, const char* key, int defaultValue) {
    const win::UniqueKey sectionKey = OpenSection(section);
    return ReadValue(sectionKey, key, defaultValue);
}

void RegistryStore::GetProfileInts(const char* section, std::span<const ProfileRead> reads) {
    const win::UniqueKey sectionKey = OpenSection(section);
    for (const ProfileRead& read : reads) {
        *read.value = ReadValue(sectionKey, read.key, read.defaultValue);
    }
}

WriteStatus RegistryStore::WriteProfileInt(const char* section, const char* key, int value) {
    const auto status = [](LSTATUS result) {
        return WriteStatus{static_cast<std::uint32_t>(result)};
    };
    if (!IsRooted() || !IsUsableName(section) || !IsUsableName(key)) {
        return status(ERROR_INVALID_PARAMETER);
    }

    HKEY created = nullptr;
    const LSTATUS createStatus =
        RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &created, nullptr);
    if (createStatus != ERROR_SUCCESS) return status(createStatus);
    win::UniqueKey sectionKey(created);

    const DWORD stored = static_cast<DWORD>(value);  // negatives as two's complement
    return status(RegSetValueExA(sectionKey.get(), key, 0, REG_DWORD,
                                 reinterpret_cast<const BYTE*>(&stored), sizeof stored));
}

}  // namespace quorvel::store
