#include "engine/click_sender.h"

#include <cstdint>

namespace quorvel {
namespace {

// A negative bound can only come from a profile edited by hand; it must not turn into an
// endless wait. False when the shortcut key ended the pause early.
bool Pause(WaitPort& waits, int milliseconds, std::int64_t& paused) {
    const std::uint32_t pause = milliseconds > 0 ? static_cast<std::uint32_t>(milliseconds) : 0u;
    paused += pause;
    return waits.Pause(pause);
}

}  // namespace

std::int64_t CClickSender::Click(int kind, MousePort& mouse, WaitPort& waits,
                                 RandomGenerator& random) const {
    std::int64_t paused = 0;
    switch (kind) {
    case kLeftClick:
        SingleClick(ButtonEvent::LeftDown, ButtonEvent::LeftUp, mouse, waits, random, paused);
        break;
    case kRightClick:
        SingleClick(ButtonEvent::RightDown, ButtonEvent::RightUp, mouse, waits, random, paused);
        break;
    case kMiddleClick:
        SingleClick(ButtonEvent::MiddleDown, ButtonEvent::MiddleUp, mouse, waits, random, paused);
        break;
    case kLeftDoubleClick:
    case kRightDoubleClick: {
        const bool left = kind == kLeftDoubleClick;
        const ButtonEvent press = left ? ButtonEvent::LeftDown : ButtonEvent::RightDown;
        const ButtonEvent release = left ? ButtonEvent::LeftUp : ButtonEvent::RightUp;
        if (SingleClick(press, release, mouse, waits, random, paused) &&
            Pause(waits, RandomBetween(random, doubleClickMin, doubleClickMax), paused)) {
            SingleClick(press, release, mouse, waits, random, paused);
        }
        break;
    }
    default:
        break;
    }
    return paused;
}

bool CClickSender::SingleClick(ButtonEvent press, ButtonEvent release, MousePort& mouse,
                               WaitPort& waits, RandomGenerator& random,
                               std::int64_t& paused) const {
    mouse.SendButton(press, kClickExtraInfo);
    const bool held = Pause(waits, RandomBetween(random, pressReleaseMin, pressReleaseMax), paused);
    // Up in every case: a stop never leaves the button down.
    mouse.SendButton(release, kClickExtraInfo);
    return held;
}

}  // namespace quorvel
