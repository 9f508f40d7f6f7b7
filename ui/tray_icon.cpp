#include "ui/tray_icon.h"

#include <shellapi.h>

#include <utility>

namespace quorvel::ui {

namespace {

// The record in the layout whose x86 size is 488 bytes, the one every shell accepts; the
// fields the flags do not name stay zero.
NOTIFYICONDATAA TrayRecord(HWND window, UINT flags) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = window;
    data.uID = kTrayIconId;
    data.uFlags = flags;
    return data;
}

}  // namespace

bool AddTrayEntry(HWND window, HICON icon, const std::string& tip) {
    NOTIFYICONDATAA data = TrayRecord(window, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = icon;
    lstrcpynA(data.szTip, tip.c_str(), 128);
    return Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
}

bool ChangeTrayIcon(HWND window, HICON icon) {
    NOTIFYICONDATAA data = TrayRecord(window, NIF_ICON);
    data.hIcon = icon;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

bool RemoveTrayEntry(HWND window) {
    NOTIFYICONDATAA data = TrayRecord(window, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    return Shell_NotifyIconA(NIM_DELETE, &data) != FALSE;
}

void ShellTray::Attach(HWND window, HICON idleIcon, HICON runningIcon, std::string tip) {
    window_ = window;
    idleIcon_ = idleIcon;
    runningIcon_ = runningIcon;
    tip_ = std::move(tip);
}

bool ShellTray::Add(bool runningIcon) { return AddTrayEntry(window_, Icon(runningIcon), tip_); }

bool ShellTray::ChangeIcon(bool runningIcon) { return ChangeTrayIcon(window_, Icon(runningIcon)); }

bool ShellTray::Remove() { return RemoveTrayEntry(window_); }

}  // namespace quorvel::ui
