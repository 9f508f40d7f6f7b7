#pragma once
// Which buttons our own presses hold down. A release that the system refused (the secure
// desktop came up during a hold, say) leaves its button down, so it is sent again until it
// goes through: before every later event, and whenever all buttons are to be up.

#include <cstdint>
#include <vector>

#include "engine/ports.h"

namespace quorvel {

class HeldButtons {
public:
    // What became of one event sent.
    void Sent(ButtonEvent event, bool accepted);
    // The releases to send again before anything else, in a fixed order.
    std::vector<ButtonEvent> RefusedReleases() const;
    // The releases that lift every button still held.
    std::vector<ButtonEvent> AllReleases() const;
    bool Any() const { return down_ != 0; }

private:
    static std::vector<ButtonEvent> ReleasesOf(std::uint32_t presses);

    std::uint32_t down_ = 0;     // the press flags of the buttons held
    std::uint32_t refused_ = 0;  // the press flags of those whose release was refused
};

}  // namespace quorvel
