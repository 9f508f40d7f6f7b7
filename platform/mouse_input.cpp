#include "platform/mouse_input.h"

#include <windows.h>

namespace quorvel::win {

void SendInputMouse::SendButton(ButtonEvent event, std::uintptr_t extraInfo) {
    // No coordinates and no move flag: the event acts where the cursor already is.
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = static_cast<DWORD>(event);
    input.mi.dwExtraInfo = static_cast<ULONG_PTR>(extraInfo);
    SendInput(1, &input, sizeof(INPUT));  // a refused record is not reported or repeated
}

}  // namespace quorvel::win
