// Areapick.exe: the user drags out a screen area, and its two corners go to the settings store,
// where Quorvel reads them as soon as this program has exited.

#include <windows.h>

#include "store/registry_store.h"
#include "areapick/pick_store.h"
#include "areapick/picker_window.h"
#include "platform/newer_windows.h"

namespace {

// The same root as Quorvel's own store.
constexpr char kCompanyKey[] = "Vantrel";
constexpr char kApplicationKey[] = "Quorvel";

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Started by an elevated Quorvel it runs elevated too: never load a DLL planted beside it.
    quorvel::win::LoadDllsOnlyFromSystem();

    quorvel::areapick::PickerWindow picker(instance);
    const auto pick = picker.Run();

    quorvel::store::RegistryStore store;
    store.SetRoot(kCompanyKey, kApplicationKey);
    return quorvel::areapick::StorePick(store, pick) ? 0 : 1;
}
