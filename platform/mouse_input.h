#pragma once
// The mouse as the click sender sees it: one SendInput record per button event, and every
// button that our presses hold down lifted again, also where the system refused a release.

#include "engine/held_buttons.h"
#include "engine/ports.h"

namespace quorvel::win {

class SendInputMouse final : public MousePort {
public:
    void SendButton(ButtonEvent event, std::uintptr_t extraInfo) override;
    bool ReleaseHeld() override;

private:
    void Send(ButtonEvent event, std::uintptr_t extraInfo);

    HeldButtons held_;
};

}  // namespace quorvel::win
