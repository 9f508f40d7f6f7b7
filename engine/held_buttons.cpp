#include "engine/held_buttons.h"

#include <array>

namespace quorvel {
namespace {

constexpr std::array<ButtonEvent, 3> kPresses{ButtonEvent::LeftDown, ButtonEvent::RightDown,
                                               ButtonEvent::MiddleDown};

// Each release flag is its press flag's next bit.
constexpr std::uint32_t PressOf(std::uint32_t flag) {
    for (ButtonEvent press : kPresses) {
        const auto down = static_cast<std::uint32_t>(press);
        if (flag == down || flag == down << 1) return down;
    }
    return 0;
}

}  // namespace

void HeldButtons::Sent(ButtonEvent event, bool accepted) {
    const auto flag = static_cast<std::uint32_t>(event);
    const std::uint32_t press = PressOf(flag);
    if (flag == press) {
        // A refused press holds nothing down.
        if (accepted) down_ |= press;
        return;
    }
    if (accepted) {
        down_ &= ~press;
        refused_ &= ~press;
    } else if ((down_ & press) != 0) {
        refused_ |= press;
    }
}

std::vector<ButtonEvent> HeldButtons::RefusedReleases() const { return ReleasesOf(refused_); }

std::vector<ButtonEvent> HeldButtons::AllReleases() const { return ReleasesOf(down_); }

std::vector<ButtonEvent> HeldButtons::ReleasesOf(std::uint32_t presses) {
    std::vector<ButtonEvent> releases;
    for (ButtonEvent press : kPresses) {
        const auto down = static_cast<std::uint32_t>(press);
        if ((presses & down) != 0) releases.push_back(static_cast<ButtonEvent>(down << 1));
    }
    return releases;
}

}  // namespace quorvel
