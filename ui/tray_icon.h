#pragma once
// The main window's entry in the notification area: identifier 90, callback message 0x401.

#include <windows.h>

#include <string>

#include "ui/tray_entry.h"

namespace quorvel::ui {

inline constexpr UINT kTrayIconId = 90;
inline constexpr UINT kTrayCallbackMessage = WM_USER + 1;

bool AddTrayEntry(HWND window, HICON icon, const std::string& tip);
bool ChangeTrayIcon(HWND window, HICON icon);
bool RemoveTrayEntry(HWND window);

// The main window's entry with its two icons.
class ShellTray final : public TrayShell {
public:
    void Attach(HWND window, HICON idleIcon, HICON runningIcon, std::string tip);
    bool Add(bool runningIcon) override;
    bool ChangeIcon(bool runningIcon) override;
    bool Remove() override;

private:
    HICON Icon(bool running) const { return running ? runningIcon_ : idleIcon_; }

    HWND window_ = nullptr;
    HICON idleIcon_ = nullptr;
    HICON runningIcon_ = nullptr;
    std::string tip_;
};

}  // namespace quorvel::ui
