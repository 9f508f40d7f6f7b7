#include "platform/mouse_input.h"

#include <windows.h>

namespace quorvel::win {

void SendInputMouse::SendButton(ButtonEvent event, std::uintptr_t extraInfo) {
    for (ButtonEvent release : held_.RefusedReleases()) Send(release, kClickExtraInfo);
    Send(event, extraInfo);
}

bool SendInputMouse::ReleaseHeld() {
    for (ButtonEvent release : held_.AllReleases()) Send(release, kClickExtraInfo);
    return !held_.Any();
}

void SendInputMouse::Send(ButtonEvent event, std::uintptr_t extraInfo) {
    // No coordinates and no move flag: the event acts where the cursor already is.
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = static_cast<DWORD>(event);
    input.mi.dwExtraInfo = static_cast<ULONG_PTR>(extraInfo);
    held_.Sent(event, SendInput(1, &input, sizeof(INPUT)) == 1);
}

}  // namespace quorvel::win
