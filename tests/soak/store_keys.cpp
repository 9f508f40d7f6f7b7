#include "store_keys.h"

#include "engine/text_format.h"
#include "store/settings_keys.h"
#include "ui/main_window_settings.h"

namespace quorvel::test {

namespace {

std::vector<StoreKey> AllKeys() {
    namespace keys = store::keys;
    std::vector<StoreKey> all;
    for (const ui::MainWindowKey& key : ui::kMainWindowKeys) all.push_back({key.section, key.name});
    // The shortcut key's two names are formed as the program forms them.
    for (const char* format : {keys::kHotKeyKeyFormat, keys::kHotKeyModFormat}) {
        all.push_back({store::kSettingsSection, Format(format, keys::kHotKeyControlName)});
    }
    for (const store::SettingKey& key :
         {keys::kPressReleaseMin, keys::kPressReleaseMax, keys::kDoubleClickMin,
          keys::kDoubleClickMax, keys::kInfoMessageDisplayed, keys::kPickStartX, keys::kPickStartY,
          keys::kPickEndX, keys::kPickEndY, keys::kTwittered, keys::kFacebooked, keys::kGoogled}) {
        all.push_back({key.section, key.name});
    }
    return all;
}

}  // namespace

const std::vector<StoreKey> kAllKeys = AllKeys();

}  // namespace quorvel::test
