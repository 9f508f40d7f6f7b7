#include "platform/message_box.h"

#include "platform/win_app.h"

namespace quorvel::win {

int ShowMessageBox(HWND owner, const std::string& text, UINT flags) {
    return MessageBoxA(owner, text.c_str(), ApplicationTitle().c_str(), flags);
}

}  // namespace quorvel::win
