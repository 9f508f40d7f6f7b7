// The shortcut key's modifier conversions and its stored form: each conversion undoes the
// other on Shift, Ctrl and Alt and keeps no other bit; a stored key loads back as it was
// stored, and whatever the store holds loads as a 16-bit code with modifiers in 0..7.

#include <cstddef>
#include <cstdint>
#include <string>

#include "store/settings_keys.h"
#include "fuzz_input.h"
#include "memory_store.h"
#include "ui/hotkey_modifiers.h"
#include "ui/hotkey_store.h"

namespace {

constexpr std::uint16_t kShiftCtrlAlt = 7;

void CheckConversions(std::uint16_t flags) {
    const std::uint16_t registration = quorvel::ui::ToRegistrationModifiers(flags);
    const std::uint16_t control = quorvel::ui::ToControlModifiers(flags);
    FUZZ_CHECK((registration & ~kShiftCtrlAlt) == 0);
    FUZZ_CHECK((control & ~kShiftCtrlAlt) == 0);
    FUZZ_CHECK(quorvel::ui::ToControlModifiers(registration) == (flags & kShiftCtrlAlt));
    FUZZ_CHECK(quorvel::ui::ToRegistrationModifiers(control) == (flags & kShiftCtrlAlt));
    FUZZ_CHECK(((registration ^ flags) & 2) == 0);  // Ctrl is the same bit in both forms
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quorvel::test::FuzzInput input(data, size);
    const std::uint16_t virtualKey = static_cast<std::uint16_t>(input.Uint32());
    const std::uint16_t flags = static_cast<std::uint16_t>(input.Uint32());
    const int strayKey = input.Int32();
    const int strayMod = input.Int32();
    const std::string name = input.Text();

    CheckConversions(flags);

    quorvel::test::MemoryStore store;
    quorvel::ui::CHotKeyStore hotKeys(store);
    FUZZ_CHECK(hotKeys.StoreHotKey(name.c_str(), virtualKey, flags));
    const quorvel::ui::StoredHotKey loaded = hotKeys.LoadHotKey(name.c_str());
    FUZZ_CHECK(loaded.virtualKey == virtualKey);
    FUZZ_CHECK(loaded.controlFlags == (flags & kShiftCtrlAlt));
    FUZZ_CHECK(loaded.registrationFlags == quorvel::ui::ToRegistrationModifiers(flags));

    // Values written by hand into the store, under the names the key is kept at.
    const std::string keyName = name.c_str() + std::string(" Key");
    const std::string modName = name.c_str() + std::string(" Mod");
    store.WriteProfileInt(quorvel::store::kSettingsSection, keyName.c_str(), strayKey);
    store.WriteProfileInt(quorvel::store::kSettingsSection, modName.c_str(), strayMod);
    const quorvel::ui::StoredHotKey stray = hotKeys.LoadHotKey(name.c_str());
    FUZZ_CHECK(stray.virtualKey == static_cast<std::uint16_t>(strayKey));
    FUZZ_CHECK(stray.registrationFlags == static_cast<std::uint16_t>(strayMod));
    FUZZ_CHECK((stray.controlFlags & ~kShiftCtrlAlt) == 0);
    return 0;
}
