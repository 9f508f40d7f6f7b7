#pragma once

#include <windows.h>

namespace quorvel::test {

// The popup menu that the given process shows at the moment (window class "#32768"), or
// nullptr when none is open.
HWND FindOpenPopupMenu(DWORD processId);

}  // namespace quorvel::test
