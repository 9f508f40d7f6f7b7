#pragma once
// Holding the shortcut key repeats its key-down, and where the system ignores the request not to
// repeat it, every repeat arrives as one more hot-key message. The latch makes one press one
// start or one stop: it acts on a press, then takes every hot-key message of that key for a
// repeat until the key has been seen up.

#include <cstdint>
#include <optional>

namespace quorvel::ui {

class HotKeyLatch {
public:
    // A hot-key message of this key: true when it is a press to act on; the latch then holds.
    bool Press(std::uint16_t virtualKey);
    // Whether a hot-key message of this key is a repeat of the press last acted on.
    bool IsRepeat(std::uint16_t virtualKey) const { return held_ == virtualKey; }
    // The key the latch holds for, while it holds.
    std::optional<std::uint16_t> HeldKey() const { return held_; }
    // What the held key was seen doing: up releases the latch.
    void SeenDown(bool down);

private:
    std::optional<std::uint16_t> held_;
};

}  // namespace quorvel::ui
