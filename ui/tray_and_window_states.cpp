// The tray entry and its menu, hiding and restoring, the ways out of the program, the minimised
// painting, the context menu and the once-a-second cursor read-out.

#include "ui/dlg_clicker.h"

#include "platform/newer_windows.h"
#include "platform/resources.h"
#include "platform/win_app.h"
#include "res/resource.h"
#include "engine/text_format.h"
#include "ui/tray_icon.h"

namespace quorvel::ui {

namespace {

constexpr UINT kCursorReadoutPeriodMs = 1000;

}  // namespace

BOOL CDlgClicker::AddTrayIcon() {
    trayShell_.Attach(hwnd(), m_hIcon, m_hRunningIcon, quorvel::win::WinApp::Current()->appTitle());
    if (!trayEntry_.Add()) return FALSE;
    // The entry comes back after a restart of the shell; its menu is loaded once only.
    if (!m_menuTray) {
        m_menuTray = quorvel::win::LoadMenuResource(IDR_TRAY_MENU);
        SetMenuDefaultItem(GetSubMenu(m_menuTray.get(), 0), ID_TRAY_CONFIGURE, FALSE);
    }
    return TRUE;
}

BOOL CDlgClicker::RemoveTrayIcon() { return trayEntry_.Remove(); }

LRESULT CDlgClicker::OnTaskbarCreated() {
    RemoveTrayIcon();  // the old shell took its entries with it
    AddTrayIcon();
    return 1;
}

LRESULT CDlgClicker::OnTrayNotify(WPARAM, LPARAM lParam) {
    POINT cursor{};
    GetCursorPos(&cursor);
    HMENU popup = GetSubMenu(m_menuTray.get(), 0);
    switch (LOWORD(lParam)) {
    case WM_RBUTTONUP:
        // Without the foreground the menu would not close when the user clicks elsewhere.
        SetForegroundWindow(hwnd());
        TrackPopupMenu(popup, 0, cursor.x, cursor.y, 0, hwnd(), nullptr);
        break;
    case WM_LBUTTONDBLCLK:
        RestoreFromTray();
        break;
    default:
        break;
    }
    return 1;
}

void CDlgClicker::RestoreFromTray() {
    ShowWindow(hwnd(), SW_RESTORE);
    SetForegroundWindow(hwnd());
    SetActiveWindow(hwnd());
}

void CDlgClicker::HideToTray() {
    ShowWindow(hwnd(), SW_MINIMIZE);
    ShowWindow(hwnd(), SW_HIDE);
}

void CDlgClicker::ExitApplication() {
    if (IsWindow(hwnd())) DestroyWindow();
}

void CDlgClicker::OnDestroy() {
    mouse_.ReleaseHeld();
    KillTimer(hwnd(), kReleaseRetryTimerId);
    m_pToolTip.reset();
    RemoveTrayIcon();
    inputHook_.Apply(hwnd(), {});  // the hooks go with the window they tell
}

void CDlgClicker::EnableCursorReadout(BOOL on) {
    if (on) {
        SetTimer(hwnd(), kCursorReadoutTimerId, kCursorReadoutPeriodMs, nullptr);
    } else {
        KillTimer(hwnd(), kCursorReadoutTimerId);
    }
}

void CDlgClicker::ShowCursorPosition() {
    POINT cursor{};
    if (GetCursorPos(&cursor)) {
        // POINT holds LONGs, which %d does not take; on Windows they are 32-bit ints.
        m_strCursorPos = quorvel::Format("Mouse Cursor at X = %d , Y = %d",
                                         static_cast<int>(cursor.x), static_cast<int>(cursor.y));
    } else {
        m_strCursorPos = "Could not Locate Mouse Cursor.";
    }
    m_ctrlCursorLocation.SetText(m_strCursorPos);
}

bool CDlgClicker::OnPaint() {
    if (!IsIconic(hwnd())) return false;
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(hwnd(), &paint);
    SendMessageA(hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const int iconWidth = GetSystemMetrics(SM_CXICON);
    const int iconHeight = GetSystemMetrics(SM_CYICON);
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
    EndPaint(hwnd(), &paint);
    return true;
}

void CDlgClicker::OnContextMenu(LPARAM point) {
    // The keyboard's menu key arrives as (-1, -1) and opens the menu there.
    const int x = static_cast<short>(LOWORD(point));
    const int y = static_cast<short>(HIWORD(point));
    TrackPopupMenu(GetSubMenu(m_menuContext.get(), 0), 0, x, y, 0, hwnd(), nullptr);
}

void CDlgClicker::ListenForShellRestart() {
    taskbarCreatedMessage_ = RegisterWindowMessageA("TaskbarCreated");
    // We run elevated and the shell does not: without this its broadcast would be filtered out.
    quorvel::win::AdmitFromLowerIntegrity(hwnd(), taskbarCreatedMessage_);
}

}  // namespace quorvel::ui
