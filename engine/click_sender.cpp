#include "engine/click_sender.h"

#include <cstdint>

namespace quorvel {
namespace {

// A negative bound can only come from a profile edited by hand; it must not turn into an
// endless wait.
void Pause(MousePort& mouse, int milliseconds) {
    mouse.Sleep(milliseconds > 0 ? static_cast<std::uint32_t>(milliseconds) : 0u);
}

}  // namespace

void CClickSender::Click(int kind, MousePort& mouse, RandomGenerator& random) const {
    switch (kind) {
    case kLeftClick:
        SingleClick(ButtonEvent::LeftDown, ButtonEvent::LeftUp, mouse, random);
        break;
    case kRightClick:
        SingleClick(ButtonEvent::RightDown, ButtonEvent::RightUp, mouse, random);
        break;
    case kMiddleClick:
        SingleClick(ButtonEvent::MiddleDown, ButtonEvent::MiddleUp, mouse, random);
        break;
    case kLeftDoubleClick:
    case kRightDoubleClick: {
        const bool left = kind == kLeftDoubleClick;
        const ButtonEvent press = left ? ButtonEvent::LeftDown : ButtonEvent::RightDown;
        const ButtonEvent release = left ? ButtonEvent::LeftUp : ButtonEvent::RightUp;
        SingleClick(press, release, mouse, random);
        Pause(mouse, RandomBetween(random, doubleClickMin, doubleClickMax));
        SingleClick(press, release, mouse, random);
        break;
    }
    default:
        break;
    }
}

void CClickSender::SingleClick(ButtonEvent press, ButtonEvent release, MousePort& mouse,
                               RandomGenerator& random) const {
    mouse.SendButton(press, kClickExtraInfo);
    Pause(mouse, RandomBetween(random, pressReleaseMin, pressReleaseMax));
    mouse.SendButton(release, kClickExtraInfo);
}

}  // namespace quorvel
