#include "ui/hotkey_latch.h"

namespace quorvel::ui {

bool HotKeyLatch::Press(std::uint16_t virtualKey) {
    // A message that names no key was posted by a program, not repeated by a keyboard.
    if (virtualKey == 0) return true;
    if (IsRepeat(virtualKey)) return false;
    held_ = virtualKey;
    return true;
}

void HotKeyLatch::SeenDown(bool down) {
    if (!down) held_.reset();
}

}  // namespace quorvel::ui
