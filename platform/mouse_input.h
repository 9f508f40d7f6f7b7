#pragma once
// The mouse as the click sender sees it: one SendInput record per button event.

#include "engine/ports.h"

namespace quorvel::win {

class SendInputMouse final : public MousePort {
public:
    void SendButton(ButtonEvent event, std::uintptr_t extraInfo) override;
};

}  // namespace quorvel::win
