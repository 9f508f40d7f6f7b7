#pragma once
// Turns one click of a kind into button presses and releases with random pauses between them.

#include <cstdint>

#include "engine/ports.h"
#include "engine/random.h"

namespace quorvel {

inline constexpr int kLeftClick = 0;
inline constexpr int kRightClick = 1;
inline constexpr int kLeftDoubleClick = 2;
inline constexpr int kRightDoubleClick = 3;
inline constexpr int kMiddleClick = 4;

class CClickSender {
public:
    // Pause bounds in milliseconds; the scheduler sets them from the settings at every scheduling.
    int pressReleaseMin = 0;
    int pressReleaseMax = 0;
    int doubleClickMin = 0;
    int doubleClickMax = 0;

    // Clicks at the current cursor position and returns after the last release, with the
    // milliseconds it paused in all. A kind outside 0..4 sends nothing. A press of the shortcut
    // key cuts a pause short: the button goes up at once, and nothing more of the click is sent.
    std::int64_t Click(int kind, MousePort& mouse, WaitPort& waits, RandomGenerator& random) const;

private:
    // False when the shortcut key cut the pause short.
    bool SingleClick(ButtonEvent press, ButtonEvent release, MousePort& mouse, WaitPort& waits,
                     RandomGenerator& random, std::int64_t& paused) const;
};

}  // namespace quorvel
