#include "store/registry_store.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <utility>

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

// Asks the system to signal an event at the next change of a value under the key. A missing key
// is looked for again at every call, since it cannot be watched.
class RegistrySectionWatch final : public SectionWatch {
public:
    using Opener = std::function<win::UniqueKey()>;
    explicit RegistrySectionWatch(Opener open)
        : open_(std::move(open)), changed_(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}

    bool Changed() override {
        if (watching_ && WaitForSingleObject(changed_.get(), 0) == WAIT_TIMEOUT) return false;
        // Asked for again before the caller reads, so that no change in between goes unseen.
        watching_ = false;
        if (!key_) key_ = open_();
        if (key_ && changed_) {
            watching_ = RegNotifyChangeKeyValue(key_.get(), FALSE, REG_NOTIFY_CHANGE_LAST_SET,
                                                changed_.get(), TRUE) == ERROR_SUCCESS;
        }
        // A key deleted meanwhile refuses the request; it is opened anew next time.
        if (!watching_) key_.Reset();
        return true;
    }

private:
    Opener open_;
    win::UniqueHandle changed_;
    win::UniqueKey key_;
    bool watching_ = false;
};

}  // namespace

std::unique_ptr<SectionWatch> RegistryStore::WatchSection(const char* section) {
    const std::string name = section != nullptr ? section : "";
    return std::make_unique<RegistrySectionWatch>(
        [this, name] { return OpenSection(name.c_str(), KEY_NOTIFY | KEY_QUERY_VALUE); });
}

void RegistryStore::SetRoot(const std::string& company, const std::string& application) {
    if (company.empty() || application.empty()) {
        root_.clear();
        return;
    }
    root_ = parentKey_ + "\\" + company + "\\" + application;
}

std::string RegistryStore::SectionPath(const char* section) const { return root_ + "\\" + section; }

win::UniqueKey RegistryStore::OpenSection(const char* section, REGSAM access) const {
    if (!IsRooted() || !IsUsableName(section)) return {};
    // Opening, unlike creating, leaves a missing key missing.
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, access, &opened) !=
        ERROR_SUCCESS) {
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
