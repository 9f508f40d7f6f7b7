#include "tests/support/registry_probe.h"

#include "tests/support/texts_and_ids.h"

namespace quorvel::test {

namespace {

std::string SectionPath(const std::string& section) {
    return std::string(kProgramKey) + "\\" + section;
}

}  // namespace

void RegistryProbe::ClearCompanyKey() {
    // A missing key is already the wanted state, so the result does not matter.
    RegDeleteTreeA(HKEY_CURRENT_USER, kCompanyKey);
}

bool RegistryProbe::SectionExists(const std::string& section) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

std::optional<DWORD> RegistryProbe::Read(const std::string& section, const std::string& name) {
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegGetValueA(HKEY_CURRENT_USER, SectionPath(section).c_str(), name.c_str(), RRF_RT_ANY,
                     &type, &value, &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value)) {
        return std::nullopt;
    }
    return value;
}

void RegistryProbe::Write(const std::string& section, const std::string& name, DWORD value) {
    WriteRawValue(section, name, REG_DWORD, &value, sizeof(value));
}

void WriteRawValue(const std::string& section, const std::string& name, DWORD type,
                   const void* data, DWORD size) {
    RegSetKeyValueA(HKEY_CURRENT_USER, SectionPath(section).c_str(), name.c_str(), type, data,
                    size);
}

DWORD StoredType(const std::string& section, const std::string& name) {
    DWORD type = REG_NONE;
    if (RegGetValueA(HKEY_CURRENT_USER, SectionPath(section).c_str(), name.c_str(),
                     RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, nullptr) != ERROR_SUCCESS) {
        return REG_NONE;
    }
    return type;
}

}  // namespace quorvel::test
