#pragma once
// The settings store in the current user's registry:
// HKEY_CURRENT_USER\Software\<company>\<application>\<section>, one REG_DWORD per key.

#include <windows.h>

#include <string>

#include "app/settings_store.h"

namespace quorvel::win {

class RegistryStore final : public SettingsStore {
public:
    // Until rooted, reads give their default and writes fail.
    void SetRoot(const std::string& company, const std::string& application);
    bool IsRooted() const { return !root_.empty(); }

    int GetProfileInt(const char* section, const char* key, int defaultValue) override;
    bool WriteProfileInt(const char* section, const char* key, int value) override;

private:
    std::string SectionPath(const char* section) const;

    std::string root_;  // "Software\<company>\<application>", empty while unrooted
};

}  // namespace quorvel::win
