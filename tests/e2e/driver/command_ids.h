#pragma once

#include <windows.h>

// The shortcut key controls, the tray and menu commands and the click timing dialog's fields,
// as a person would know them from the program's templates and menus.
namespace e2e::id {

constexpr int kShortcutKey = 1001;
constexpr int kAssignButton = 1002;
constexpr int kClearButton = 1003;
constexpr int kHideToTrayButton = 1041;
constexpr int kCursorReadout = 1049;
constexpr int kClickTimingButton = 1052;

constexpr int kTrayConfigure = 32771;
constexpr int kTrayExit = 32772;
constexpr int kContextExit = 32773;
constexpr int kContextSettings = 32774;

// The message the tray entry sends the main window, with the mouse event in lParam.
constexpr UINT kTrayNotify = WM_USER + 1;
constexpr UINT kTrayIconId = 90;

// Fields of the click timing dialog.
constexpr int kPressMinDelay = 1051;
constexpr int kPressMaxDelay = 1052;
constexpr int kDoubleClickMinDelay = 1053;
constexpr int kDoubleClickMaxDelay = 1054;

}  // namespace e2e::id
