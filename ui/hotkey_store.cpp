#include "ui/hotkey_store.h"

#include <string>

#include "store/settings_keys.h"
#include "engine/text_format.h"
#include "ui/hotkey_modifiers.h"

namespace quorvel::ui {

namespace {

std::string KeyName(const char* name) { return Format(store::keys::kHotKeyKeyFormat, name); }
std::string ModName(const char* name) { return Format(store::keys::kHotKeyModFormat, name); }

std::uint16_t Low16(int value) { return static_cast<std::uint16_t>(value & 0xFFFF); }

}  // namespace

store::WriteStatus CHotKeyStore::StoreHotKey(const char* name, std::uint16_t virtualKey,
                                             std::uint16_t controlFlags) {
    const store::WriteStatus key =
        store_.WriteProfileInt(store::kSettingsSection, KeyName(name).c_str(), virtualKey);
    if (!key) return key;
    return store_.WriteProfileInt(store::kSettingsSection, ModName(name).c_str(),
                                  ToRegistrationModifiers(controlFlags));
}

StoredHotKey CHotKeyStore::LoadHotKey(const char* name) {
    StoredHotKey key;
    key.virtualKey = Low16(store_.GetProfileInt(store::kSettingsSection, KeyName(name).c_str(), 0));
    key.registrationFlags =
        Low16(store_.GetProfileInt(store::kSettingsSection, ModName(name).c_str(), 0));
    key.controlFlags = ToControlModifiers(key.registrationFlags);
    return key;
}

}  // namespace quorvel::ui
