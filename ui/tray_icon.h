#pragma once
// The main window's entry in the notification area: identifier 90, callback message 0x401.

#include <windows.h>

#include <string>

namespace quorvel::win {

inline constexpr UINT kTrayIconId = 90;
inline constexpr UINT kTrayCallbackMessage = WM_USER + 1;

bool AddTrayEntry(HWND window, HICON icon, const std::string& tip);
bool ChangeTrayIcon(HWND window, HICON icon);
bool RemoveTrayEntry(HWND window);

}  // namespace quorvel::win
