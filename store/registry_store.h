#pragma once
// The settings store in the current user's registry:
// HKEY_CURRENT_USER\Software\<company>\<application>\<section>, one REG_DWORD per key. Tests
// put it under a scratch key of their own in place of Software.

#include <windows.h>

#include <string>
#include <utility>

#include "platform/handles.h"
#include "store/settings_store.h"

namespace quorvel::store {

class RegistryStore final : public SettingsStore {
public:
    explicit RegistryStore(std::string parentKey = "Software") : parentKey_(std::move(parentKey)) {}

    // Until rooted, reads give their default and writes fail.
    void SetRoot(const std::string& company, const std::string& application);
    bool IsRooted() const { return !root_.empty(); }

    int GetProfileInt(const char* section, const char* key, int defaultValue) override;
    void GetProfileInts(const char* section, std::span<const ProfileRead> reads) override;
    WriteStatus WriteProfileInt(const char* section, const char* key, int value) override;
    // The system's change notification on the section's key.
    std::unique_ptr<SectionWatch> WatchSection(const char* section) override;

private:
    std::string SectionPath(const char* section) const;
    // The section's key opened with these rights; empty when it is missing or cannot be opened.
    win::UniqueKey OpenSection(const char* section, REGSAM access = KEY_QUERY_VALUE) const;

    std::string parentKey_;
    std::string root_;  // "<parent>\<company>\<application>", empty while unrooted
};

}  // namespace quorvel::store
