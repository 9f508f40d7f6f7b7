// The start/stop shortcut key: assigned in the hot-key control, kept in the store, registered
// as global hot key 1 of the main window and named in the status line.

#include "ui/dlg_clicker.h"

#include <commctrl.h>

#include "engine/status_texts.h"
#include "engine/text_format.h"
#include "platform/message_box.h"
#include "platform/newer_windows.h"
#include "platform/win_app.h"
#include "store/settings_keys.h"

namespace quorvel::ui {

namespace {

constexpr int kStartStopHotKeyId = 1;

constexpr const char* kRegisterFailedText =
    "Failed to Set HotKey to Start / Stop Mouse Clicks, try another Key combination, Last Error "
    "%u.\nPlease do contact application support team with the error.";
constexpr const char* kStoreFailedText =
    "Failed to Store HotKey to Start and Stop Mouse Clicks.\n\nPlease give a try to another "
    "Shortcut Key combination.\n\nPlease do contact application support team with Last Rrror %u.";

HWND ApplicationMainWindow() {
    const quorvel::win::Dialog* main = quorvel::win::WinApp::Current()->m_pMainWnd;
    return main ? main->hwnd() : nullptr;
}

}  // namespace

void CDlgClicker::ApplyStoredHotKey(int& assigned) {
    assigned = 0;
    const StoredHotKey key = m_hotKeyStore.LoadHotKey(quorvel::store::keys::kHotKeyControlName);
    m_ctrlHotKeyStartStopClicks.SetHotKey(key.virtualKey, key.controlFlags);

    const HWND mainWindow = ApplicationMainWindow();
    UnregisterHotKey(mainWindow, kStartStopHotKeyId);  // there may be nothing to remove
    if (key.virtualKey == 0) return;

    assigned = 1;
    // The no-repeat flag is asked for, never stored: the stored modifiers stay as they were.
    const UINT modifiers = key.registrationFlags | quorvel::win::NoRepeatModifier();
    if (!RegisterHotKey(mainWindow, kStartStopHotKeyId, modifiers, key.virtualKey)) {
        // DWORD is unsigned long, which %u does not take; on Windows both have 32 bits.
        const auto error = static_cast<unsigned>(GetLastError());
        quorvel::win::ShowMessageBox(hwnd(), quorvel::Format(kRegisterFailedText, error),
                                     MB_OK | MB_ICONSTOP);
    }
}

void CDlgClicker::OnAssignHotKey() {
    WORD virtualKey = 0;
    WORD flags = 0;
    m_ctrlHotKeyStartStopClicks.GetHotKey(virtualKey, flags);
    const quorvel::store::WriteStatus stored =
        m_hotKeyStore.StoreHotKey(quorvel::store::keys::kHotKeyControlName, virtualKey, flags);
    if (!stored) {
        quorvel::win::ShowMessageBox(hwnd(), quorvel::Format(kStoreFailedText, stored.error),
                                     MB_OK | MB_ICONSTOP);
        return;
    }
    ApplyStoredHotKey(m_bHotKeyAssigned);
    ApplyShortcutOptions();
    SetStatus(quorvel::IdleStatusText(m_bHotKeyAssigned != 0, HotKeyText()));
}

void CDlgClicker::OnHotKey(LPARAM keys) {
    if (!hotKeyLatch_.Press(HIWORD(keys))) return;
    // Looked at until it is up; a start or stop may open a box, whose loop runs this timer too.
    SetTimer(hwnd(), kHeldKeyTimerId, kHeldKeyPollMs, nullptr);
    OnShortcutPressed(HIWORD(keys));
}

void CDlgClicker::WatchHeldKey() {
    const std::optional<std::uint16_t> key = hotKeyLatch_.HeldKey();
    if (key) hotKeyLatch_.SeenDown((GetAsyncKeyState(*key) & 0x8000) != 0);
    if (!hotKeyLatch_.HeldKey()) KillTimer(hwnd(), kHeldKeyTimerId);
}

void CDlgClicker::OnClearHotKey() {
    m_ctrlHotKeyStartStopClicks.SetHotKey(0, 0);
    OnAssignHotKey();
}

}  // namespace quorvel::ui
