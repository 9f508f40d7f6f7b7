#include "engine/click_sender.h"

#include <cstdint>

namespace quorvel {
namespace {

// A negative bound can only come from a profile edited by hand; it must not turn into an
// endless wait.
std::uint32_t Pause(MousePort& mouse, int milliseconds) {
    const std::uint32_t pause = milliseconds > 0 ? static_cast<std::uint32_t>(milliseconds) : 0u;
    mouse.Sleep(pause);
    return pause;
}

}  // namespace

std::int64_t CClickSender::Click(int kind, MousePort& mouse, RandomGenerator& random) const {
    switch (kind) {
    case kLeftClick:
        return SingleClick(ButtonEvent::LeftDown, ButtonEvent::LeftUp, mouse, random);
    case kRightClick:
        return SingleClick(ButtonEvent::RightDown, ButtonEvent::RightUp, mouse, random);
    case kMiddleClick:
        return SingleClick(ButtonEvent::MiddleDown, ButtonEvent::MiddleUp, mouse, random);
    case kLeftDoubleClick:
    case kRightDoubleClick: {
        const bool left = kind == kLeftDoubleClick;
        const ButtonEvent press = left ? ButtonEvent::LeftDown : ButtonEvent::RightDown;
        const ButtonEvent release = left ? ButtonEvent::LeftUp : ButtonEvent::RightUp;
        std::int64_t paused = SingleClick(press, release, mouse, random);
        paused += Pause(mouse, RandomBetween(random, doubleClickMin, doubleClickMax));
        return paused + SingleClick(press, release, mouse, random);
    }
    default:
        return 0;
    }
}

std::int64_t CClickSender::SingleClick(ButtonEvent press, ButtonEvent release, MousePort& mouse,
                                       RandomGenerator& random) const {
    mouse.SendButton(press, kClickExtraInfo);
    const std::uint32_t paused =
        Pause(mouse, RandomBetween(random, pressReleaseMin, pressReleaseMax));
    mouse.SendButton(release, kClickExtraInfo);
    return paused;
}

}  // namespace quorvel
