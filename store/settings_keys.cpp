#include "store/settings_keys.h"

#include <cstdio>

namespace quorvel::store {

namespace {

std::string FormatName(const char* format) {
    char name[64];
    std::snprintf(name, sizeof name, format, keys::kHotKeyControlName);
    return name;
}

}  // namespace

std::string HotKeyKeyName() { return FormatName(keys::kHotKeyKeyFormat); }

std::string HotKeyModName() { return FormatName(keys::kHotKeyModFormat); }

int ReadSetting(SettingsStore& store, const char* key, int defaultValue) {
    return store.GetProfileInt(kSettingsSection, key, defaultValue);
}

void WriteSetting(SettingsStore& store, const char* key, int value) {
    store.WriteProfileInt(kSettingsSection, key, value);  // only the shortcut key checks writes
}

int ReadKey(SettingsStore& store, const SettingKey& key) {
    return store.GetProfileInt(key.section, key.name, key.defaultValue);
}

bool WriteKey(SettingsStore& store, const SettingKey& key, int value) {
    return store.WriteProfileInt(key.section, key.name, value);
}

}  // namespace quorvel::store
