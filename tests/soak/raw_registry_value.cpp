#include "raw_registry_value.h"

namespace soak {

namespace {

std::string SectionPath(const std::string& section) {
    return "Software\\Vantrel\\Quorvel\\" + section;
}

}  // namespace

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

}  // namespace soak
