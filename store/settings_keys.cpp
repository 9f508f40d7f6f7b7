#include "store/settings_keys.h"

namespace quorvel::store {

int ReadSetting(SettingsStore& store, const char* key, int defaultValue) {
    return store.GetProfileInt(kSettingsSection, key, defaultValue);
}

void WriteSetting(SettingsStore& store, const char* key, int value) {
    store.WriteProfileInt(kSettingsSection, key, value);  // only the shortcut key checks writes
}

int ReadKey(SettingsStore& store, const SettingKey& key) {
    return store.GetProfileInt(key.section, key.name, key.defaultValue);
}

WriteStatus WriteKey(SettingsStore& store, const SettingKey& key, int value) {
    return store.WriteProfileInt(key.section, key.name, value);
}

}  // namespace quorvel::store
