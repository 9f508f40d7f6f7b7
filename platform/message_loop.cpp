#include "platform/message_loop.h"

#include <windows.h>

#include "platform/dialog.h"
#include "platform/win_app.h"

namespace quorvel::win {

namespace {

bool PreTranslate(WinApp& app, MSG& msg) {
    Dialog* main = app.m_pMainWnd;
    if (main == nullptr || main->hwnd() == nullptr || msg.hwnd == nullptr) return false;
    if (msg.hwnd != main->hwnd() && IsChild(main->hwnd(), msg.hwnd) == FALSE) return false;
    return main->PreTranslateMessage(&msg);
}

}  // namespace

int RunMessageLoop(WinApp& app) {
    MSG msg{};
    for (;;) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(msg.wParam);
        if (got == -1) return -1;
        if (PreTranslate(app, msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace quorvel::win
