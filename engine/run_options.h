#pragma once
// What the Options dialog adds to starting and stopping a run. Every default keeps the program
// as it is without them.

namespace quorvel {

// The mouse button that starts and stops a run like the shortcut key; the values are stored.
enum class TriggerButton {
    None = 0,
    Middle = 1,
    Back = 2,     // the first side button (XBUTTON1)
    Forward = 3,  // the second side button (XBUTTON2)
};

struct RunOptions {
    TriggerButton triggerButton = TriggerButton::None;
    bool holdToClick = false;
    // The shortcut key also acts while Shift, Ctrl or Alt is held beyond its own modifiers.
    bool extraModifiers = false;
    bool stopOnMouseMove = false;
    int stopAfterMinutes = 0;  // 0: never
    friend bool operator==(const RunOptions&, const RunOptions&) = default;
};

}  // namespace quorvel
