#pragma once
// Keeps the shortcut key in the store as its key code and its modifiers in registration form.

#include <cstdint>

#include "store/settings_store.h"

namespace quorvel::ui {

struct StoredHotKey {
    std::uint16_t virtualKey = 0;
    std::uint16_t controlFlags = 0;       // the hot-key control's form
    std::uint16_t registrationFlags = 0;  // global registration's form
};

class CHotKeyStore {
public:
    explicit CHotKeyStore(store::SettingsStore& settings) : store_(settings) {}

    // The failed write's status, if one failed; the modifiers are written only after the key code.
    store::WriteStatus StoreHotKey(const char* name, std::uint16_t virtualKey,
                                   std::uint16_t controlFlags);
    StoredHotKey LoadHotKey(const char* name);

private:
    store::SettingsStore& store_;
};

}  // namespace quorvel::ui
