#pragma once
// Message boxes captioned with the application title.

#include <windows.h>

#include <string>

namespace quorvel::win {

int ShowMessageBox(HWND owner, const std::string& text, UINT flags);

}  // namespace quorvel::win
