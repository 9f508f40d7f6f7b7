#pragma once
// What a press or a release of the shortcut does to a run, for either of its two sources: the
// key, whose repeats the hot-key latch has already taken out, and the Options' mouse button.
// Toggling, every press starts or stops. Holding, a press starts a run and the release of the
// last source held ends it; a run that ended earlier (a count or time limit) stays ended.

#include <array>

namespace quorvel {

enum class TriggerSource { ShortcutKey = 0, MouseButton = 1 };

enum class TriggerAction {
    None,
    StartStop,  // as the shortcut key does without Options: start when idle, else stop
    Start,
    Stop,
};

class StartStopTrigger {
public:
    void SetHoldToClick(bool hold) { hold_ = hold; }
    bool HoldToClick() const { return hold_; }

    // A press is never a repeat here: a second press without a release between means that the
    // release was missed (it came before the watch began), and the press counts as a new one.
    TriggerAction Press(TriggerSource source, bool clicking);
    // A release of a source that is not held (its press was never seen) does nothing.
    TriggerAction Release(TriggerSource source, bool clicking);

private:
    bool& Held(TriggerSource source) { return held_[static_cast<int>(source)]; }

    bool hold_ = false;
    std::array<bool, 2> held_{};
};

}  // namespace quorvel
